// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application's identity and the routing of the calculator's error boxes.
#include "MessageRecorder.h"
#include "game/Startup.h"
#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"

#include <QApplication>
#include <QIcon>
#include <gtest/gtest.h>

namespace {

TEST(Startup, NamesTheApplicationAndGivesItItsVersionAndIcon) {
    game::InitApplication();
    EXPECT_EQ(QApplication::applicationName(), "Quintara");
    EXPECT_EQ(QApplication::applicationDisplayName(), "Quintara");
    EXPECT_EQ(QApplication::applicationVersion(), "1.1.0.0");
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48)})
        EXPECT_TRUE(sizes.contains(size)) << size.width();
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    runtime::SetErrorBoxHandler({});
    runtime::UseLocaleDecimalSeparator();
}

TEST(Startup, CalculatorErrorBoxesBecomeApplicationOwnedErrorMessages) {
    game::InitApplication();
    MessageRecorder recorder;
    runtime::ShowErrorBox("Ogiltigt v\xE4rde", "Kvarnelo", true);
    runtime::SetErrorBoxHandler({});
    runtime::UseLocaleDecimalSeparator();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, QString::fromUtf8("Ogiltigt värde"));
    EXPECT_EQ(recorder.messages[0].caption, "Kvarnelo");
    EXPECT_EQ(recorder.messages[0].icon, platform::MsgIcon::Error);
    EXPECT_FALSE(recorder.messages[0].hadOwner);
    EXPECT_TRUE(recorder.messages[0].topmost);
}

} // namespace
