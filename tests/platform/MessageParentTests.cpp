// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which window a message box stacks above, and the real box made transient for it.
#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(MessageParent, IsTheOwnersWindowOrTheWindowInView) {
    QWidget settings;
    auto *button = new QPushButton(&settings);
    EXPECT_EQ(MessageParent(button), &settings);
    // Nothing shows: the box stands alone.
    EXPECT_EQ(MessageParent(nullptr), nullptr);

    settings.show();
    QApplication::setActiveWindow(&settings);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&settings));
    EXPECT_EQ(MessageParent(nullptr), &settings);

    // A modal window in front wins over the window that is merely active.
    QWidget puzzle(&settings, Qt::Window);
    puzzle.setWindowModality(Qt::ApplicationModal);
    puzzle.show();
    EXPECT_EQ(MessageParent(nullptr), &puzzle);
    puzzle.hide();
    EXPECT_EQ(MessageParent(nullptr), &settings);
}

TEST(MessageParent, TheRealBoxOfTheApplicationIsTransientForTheModalWindow) {
    ASSERT_EQ(CurrentMessageSink(), nullptr);
    QWidget puzzle(nullptr, Qt::Window | Qt::FramelessWindowHint);
    puzzle.setWindowModality(Qt::ApplicationModal);
    puzzle.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&puzzle));

    QWidget *parent = nullptr;
    QWindow *transientParent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        parent = box->parentWidget();
        transientParent = box->windowHandle()->transientParent();
        modality = box->windowModality();
        box->accept();
    });
    ShowMessage(nullptr, QStringLiteral("The entered value \"x\" is not a valid integer."),
                QStringLiteral("Quintara"), MsgIcon::Error);
    EXPECT_EQ(parent, &puzzle);
    EXPECT_EQ(transientParent, puzzle.windowHandle());
    // Still the application's box: it blocks every window, not just its parent.
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

} // namespace
