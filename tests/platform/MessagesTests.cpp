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
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        shownIcon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->accept();
    });
    ShowMessage(nullptr, QStringLiteral("first\r\n\r\nsecond"), QStringLiteral("Quintara"),
                MsgIcon::Information);
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
