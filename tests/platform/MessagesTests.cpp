// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Messages and the beep through the sink, the real box, and the exception guard.
#include "platform/Guarded.h"
#include "platform/Messages.h"

#include "MessageRecorder.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

TEST(Messages, SinkSeesEveryBoxAndBeep) {
    MessageRecorder recorder;
    QWidget owner;
    ShowMessage(&owner, QStringLiteral("text"), QStringLiteral("caption"), MsgIcon::Error, true);
    ShowMessage(nullptr, QStringLiteral("t2"), QStringLiteral("c2"), MsgIcon::Information);
    Beep();
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].owner, &owner);
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("text"));
    EXPECT_EQ(recorder.messages[0].caption, QStringLiteral("caption"));
    EXPECT_EQ(recorder.messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(recorder.messages[0].topmost);
    EXPECT_FALSE(recorder.messages[1].hadOwner);
    EXPECT_FALSE(recorder.messages[1].topmost);
    EXPECT_EQ(recorder.beeps, 1);
}

TEST(Messages, RealBoxShowsOneOkButtonAndPlainLines) {
    ASSERT_EQ(CurrentMessageSink(), nullptr);
    QString shownText, shownTitle;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    int buttons = 0;
    // Polls for the box; a box that never comes fails at once instead of leaving the
    // test waiting in the message loop.
    bool seen = false;
    std::function<void(int)> whenShown = [&](int triesLeft) {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box && triesLeft > 0) {
            QTimer::singleShot(10, [&whenShown, triesLeft] { whenShown(triesLeft - 1); });
            return;
        }
        if (box) {
            seen = true;
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
        }
        // Whatever came up is closed, so that the test ends.
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *any = qobject_cast<QMessageBox *>(window); any && any->isVisible())
                any->accept();
    };
    QTimer::singleShot(0, [&] { whenShown(500); });
    ShowMessage(nullptr, QStringLiteral("first\r\n\r\nsecond"), QStringLiteral("Quintara"),
                MsgIcon::Information);
    ASSERT_TRUE(seen) << "no message box came up";
    EXPECT_EQ(shownText, QStringLiteral("first\n\nsecond"));
    EXPECT_EQ(shownTitle, QStringLiteral("Quintara"));
    EXPECT_EQ(shownIcon, QMessageBox::Information);
    EXPECT_EQ(buttons, 1);
}

TEST(Guarded, DropsTheSilentAbortAndReportsOtherFailures) {
    MessageRecorder recorder;
    Guarded([] { throw runtime::EAbort(); });
    EXPECT_TRUE(recorder.messages.empty());
    Guarded([] {});
    EXPECT_TRUE(recorder.messages.empty());
    Guarded([] { throw runtime::EConvertError("'\xE5' is not a valid integer value"); });
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              QString::fromUtf8("'\xC3\xA5' is not a valid integer value"));
    EXPECT_EQ(recorder.messages[0].caption, QStringLiteral("Quintara"));
    EXPECT_EQ(recorder.messages[0].icon, MsgIcon::Error);
    EXPECT_FALSE(recorder.messages[0].hadOwner);
    Guarded([] { throw std::runtime_error("plain"); });
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.beeps, 0);
}

} // namespace
