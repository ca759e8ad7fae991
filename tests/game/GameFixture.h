// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the fake 1024 x 768 screen, the recorder of message boxes
// and beeps, and helpers to reach the windows a modal step opens.
#pragma once

#include "MessageRecorder.h"
#include "game/display.h"
#include "platform/Screen.h"
#include "runtime/DecimalSeparator.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace gametest {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::SetFakeScreenSize(1024, 768);
        runtime::SetDecimalSeparator('.');
    }
    void TearDown() override {
        platform::ClearFakeScreenSize();
        runtime::UseLocaleDecimalSeparator();
    }

    MessageRecorder recorder;
};

// A puzzle window of its own for each test, shown and typed into as a player would.
class PuzzleWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        frm = std::make_unique<game::TdisplayFrm>();
    }
    void TearDown() override {
        frm.reset();
        WindowTest::TearDown();
    }

    void Show() {
        frm->show();
        QApplication::setActiveWindow(frm.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
        QCoreApplication::processEvents();
    }

    // Types the text over the entry box's contents (an empty text clears it) and confirms.
    void Submit(const QString &typed) {
        frm->ieX->setFocus();
        frm->ieX->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(frm->ieX, Qt::Key_Backspace);
        else
            QTest::keyClicks(frm->ieX, typed);
        QTest::keyClick(frm->ieX, Qt::Key_Return);
    }

    std::unique_ptr<game::TdisplayFrm> frm;
};

// The visible top-level window of the given class, or nullptr.
template <class W> W *VisibleWindow() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<W *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

template <class W> int WindowCount() {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<W *>(widget) != nullptr;
    return count;
}

// Runs step once a window of class W is up, from inside the modal loop that shows it. The
// polling stops with context, so a step never outlives the test that set it.
template <class W>
void WhenShown(QObject *context, std::function<void(W &)> step, int triesLeft = 500) {
    QTimer::singleShot(10, context, [context, step, triesLeft] {
        if (W *window = VisibleWindow<W>())
            step(*window);
        else if (triesLeft > 0)
            WhenShown<W>(context, step, triesLeft - 1);
        else
            ADD_FAILURE() << "the window never appeared";
    });
}

} // namespace gametest
