// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation-info button: its inner button and its message, only on a form.
#include "controls/TranslationInfoButton.h"

#include "MessageRecorder.h"
#include "WidgetProbe.h"

#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;

namespace {

TEST(TranslationInfoButton, InnerButtonFillsTheContainer) {
    QWidget form;
    form.resize(300, 300);
    TTranslationInfoButton button(&form);
    EXPECT_EQ(button.InnerButton()->geometry(), QRect(QPoint(0, 0), button.size()));
    // Resize events reach a widget once it is on the screen.
    ExposeWindow(&form);
    button.setGeometry(88, 224, 100, 24);
    EXPECT_EQ(button.InnerButton()->geometry(), QRect(0, 0, 100, 24));
    button.resize(150, 30);
    EXPECT_EQ(button.InnerButton()->geometry(), QRect(0, 0, 150, 30));
}

TEST(TranslationInfoButton, CaptionAndHint) {
    TTranslationInfoButton button;
    EXPECT_EQ(button.InnerButton()->text(), QStringLiteral("Translation Info..."));
    EXPECT_TRUE(button.InnerButton()->toolTip().isEmpty());
    EXPECT_EQ(
        button.InnerButton()->statusTip(),
        QStringLiteral("Shows information about the English translation of this application."));
}

TEST(TranslationInfoButton, MessageNamesTheSiteAndTheAddress) {
    const QString text = TranslationInfoText();
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("This is an English translation of the original Swedish version of the "
                       "application.\r\n\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 2);
    // The second paragraph names a web address and an e-mail address.
    const QString second = text.section(QStringLiteral("\r\n\r\n"), 1);
    EXPECT_TRUE(second.contains(QRegularExpression(QStringLiteral("https?://[^\\s/]+\\.[a-z]+"))))
        << second.toStdString();
    EXPECT_TRUE(second.contains(QRegularExpression(QStringLiteral("[^\\s@]+@[^\\s@]+\\.[a-z]+"))))
        << second.toStdString();
}

TEST(TranslationInfoButton, ClickOnAFormShowsTheMessageWithTheFormsCaption) {
    MessageRecorder recorder;
    QWidget form;
    form.setWindowTitle(QStringLiteral("About"));
    form.resize(300, 300);
    auto *button = new TTranslationInfoButton(&form);
    button->setGeometry(88, 224, 100, 24);
    ExposeWindow(&form);
    QTest::mouseClick(button->InnerButton(), Qt::LeftButton);
    form.setWindowTitle(QStringLiteral("Renamed"));
    button->InnerButton()->setFocus();
    QTest::keyClick(button->InnerButton(), Qt::Key_Space);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].caption, QStringLiteral("About"));
    EXPECT_EQ(recorder.messages[1].caption, QStringLiteral("Renamed"));
    for (const RecordedMessage &m : recorder.messages) {
        EXPECT_EQ(m.owner, button);
        EXPECT_EQ(m.text, TranslationInfoText());
        EXPECT_EQ(m.icon, platform::MsgIcon::Information);
        EXPECT_FALSE(m.topmost);
    }
    EXPECT_EQ(recorder.beeps, 0);
}

TEST(TranslationInfoButton, ClickElsewhereThanOnAFormDoesNothing) {
    MessageRecorder recorder;
    QWidget form;
    form.resize(300, 300);
    auto *panel = new QWidget(&form);
    panel->setGeometry(0, 0, 200, 200);
    auto *onPanel = new TTranslationInfoButton(panel);
    onPanel->setGeometry(10, 10, 100, 24);
    ExposeWindow(&form);
    QTest::mouseClick(onPanel->InnerButton(), Qt::LeftButton);

    TTranslationInfoButton alone;
    alone.resize(100, 24);
    ExposeWindow(&alone);
    QTest::mouseClick(alone.InnerButton(), Qt::LeftButton);
    EXPECT_TRUE(recorder.messages.empty());
}

} // namespace
