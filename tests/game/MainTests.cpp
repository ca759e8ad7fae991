// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window and the About window through their real widgets: layout, count
// rules, the modal game and the return to unchanged settings.
#include "GameFixture.h"

#include "controls/CaptionGroup.h"
#include "controls/IntegerEdit.h"
#include "controls/TranslationInfoButton.h"
#include "game/aboutWin.h"
#include "game/display.h"
#include "game/main.h"
#include "platform/Fonts.h"
#include "platform/Shape.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <memory>
#include <optional>

using game::Tabout;
using game::TdisplayFrm;
using game::TmainFrm;

namespace {

// What the settings window handed to the puzzle window.
struct GameSeen {
    bool easy = false;
    bool test = false;
    std::int32_t numSeries = -1;
    std::int32_t seriesNumber = -1;
    bool settingsHidden = false;
    size_t messagesBeforeShow = 0;
};

class MainFrm : public gametest::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        frm = std::make_unique<TmainFrm>();
        frm->show();
        QApplication::setActiveWindow(frm.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    }
    void TearDown() override {
        frm.reset();
        WindowTest::TearDown();
    }

    // Runs Execute by trigger and closes the game as soon as it is up.
    GameSeen PlayAndClose(const std::function<void()> &trigger) {
        GameSeen seen;
        gametest::WhenShown<TdisplayFrm>(frm.get(), [&](TdisplayFrm &display) {
            seen = {display.EasyMode(),     display.TestMode(), display.NumSeries(),
                    display.SeriesNumber(), !frm->isVisible(),  recorder.messages.size()};
            display.close();
        });
        trigger();
        // A trigger may only start the game later (an animated click): wait for it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return seen.numSeries != -1; }, 5000));
        return seen;
    }

    GameSeen Execute() {
        return PlayAndClose([this] { frm->btnExecute->click(); });
    }

    std::unique_ptr<TmainFrm> frm;
};

TEST_F(MainFrm, IsAFixedDialogWithExecuteAsDefaultAndItsTabOrder) {
    EXPECT_EQ(frm->windowTitle(), "Quintara");
    EXPECT_EQ(frm->size(), QSize(335, 216));
    EXPECT_EQ(frm->minimumSize(), frm->maximumSize());
    EXPECT_TRUE(frm->btnExecute->isDefault());
    EXPECT_TRUE(frm->rbDodNormal->isChecked());
    EXPECT_FALSE(frm->cbTestMode->isChecked());
    EXPECT_EQ(frm->ieNumSeries->text(), "10");
    EXPECT_EQ(frm->Label2->buddy(), frm->ieNumSeries);

    const QWidget *chain[] = {frm->rbDodNormal, frm->cbTestMode, frm->ieNumSeries,
                              frm->btnExecute,  frm->btnAbout,   frm->btnExit};
    frm->rbDodNormal->setFocus();
    for (const QWidget *expected : chain) {
        EXPECT_EQ(QApplication::focusWidget(), expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(MainFrm, SettingsAndAboutAreCentredWithTheirBorder) {
    // The offscreen platform gives windows a border of its own, as a window manager would.
    const auto centred = [](const QWidget &window) {
        const QRect outer = window.frameGeometry();
        EXPECT_NE(outer, window.geometry());
        EXPECT_EQ(outer.topLeft(), QPoint((1024 - outer.width()) / 2, (768 - outer.height()) / 2));
    };
    QCoreApplication::processEvents();
    centred(*frm);
    bool seen = false;
    gametest::WhenShown<Tabout>(frm.get(), [&](Tabout &about) {
        QCoreApplication::processEvents();
        centred(about);
        seen = true;
        about.close();
    });
    QTest::mouseClick(frm->btnAbout, Qt::LeftButton);
    EXPECT_TRUE(seen);
}

TEST_F(MainFrm, CountTextSetsTheLengthOfTheGame) {
    struct Row {
        const char *text;
        std::int32_t numSeries;
    };
    const Row rows[] = {{"0", 1}, {"1", 1}, {"10", 10}, {"999", 999}, {"007", 7}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        frm->ieNumSeries->setText(row.text);
        const GameSeen seen = Execute();
        EXPECT_EQ(seen.numSeries, row.numSeries);
        EXPECT_EQ(seen.seriesNumber, 1);
        EXPECT_TRUE(seen.settingsHidden);
        EXPECT_TRUE(recorder.messages.empty());
    }
}

TEST_F(MainFrm, EmptyCountShowsItsMessageAndPlaysAGameOfOne) {
    frm->ieNumSeries->clear();
    const GameSeen seen = Execute();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(seen.messagesBeforeShow, 1u);
    EXPECT_EQ(recorder.messages[0].text,
              "The entered number of sequences (\"\") is not a valid integer.");
    EXPECT_EQ(recorder.messages[0].caption, "Quintara");
    EXPECT_FALSE(recorder.messages[0].hadOwner);
    EXPECT_EQ(recorder.messages[0].icon, platform::MsgIcon::Error);
    EXPECT_EQ(seen.numSeries, 0);
}

TEST_F(MainFrm, TrainingModeIgnoresTheCountAndGreysItOut) {
    QTest::mouseClick(frm->cbTestMode, Qt::LeftButton);
    ASSERT_TRUE(frm->cbTestMode->isChecked());
    EXPECT_FALSE(frm->Label2->isEnabled());
    EXPECT_FALSE(frm->ieNumSeries->isEnabled());
    frm->ieNumSeries->clear();
    frm->rbDodEasy->setChecked(true);
    const GameSeen seen = Execute();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(seen.test);
    EXPECT_TRUE(seen.easy);
    EXPECT_EQ(seen.numSeries, 0);

    QTest::mouseClick(frm->cbTestMode, Qt::LeftButton);
    EXPECT_TRUE(frm->Label2->isEnabled());
    EXPECT_TRUE(frm->ieNumSeries->isEnabled());
}

TEST_F(MainFrm, AfterAGameTheSettingsAreBackUnchangedAndThePuzzleWindowIsGone) {
    frm->rbDodEasy->setChecked(true);
    frm->ieNumSeries->setText("25");
    const GameSeen seen = Execute();
    EXPECT_TRUE(seen.easy);
    EXPECT_FALSE(seen.test);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(gametest::WindowCount<TdisplayFrm>(), 0);
    EXPECT_TRUE(frm->rbDodEasy->isChecked());
    EXPECT_FALSE(frm->cbTestMode->isChecked());
    EXPECT_EQ(frm->ieNumSeries->text(), "25");
    // The next game uses them again, in a new window.
    EXPECT_EQ(Execute().numSeries, 25);
}

TEST_F(MainFrm, EnterStartsAGameAndEscEndsTheProgram) {
    const GameSeen seen =
        PlayAndClose([this] { QTest::keyClick(frm->ieNumSeries, Qt::Key_Return); });
    EXPECT_EQ(seen.numSeries, 10);
    EXPECT_TRUE(frm->isVisible());

    QSignalSpy closed(frm.get(), &TmainFrm::Closed);
    QTest::keyClick(frm.get(), Qt::Key_Escape);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainFrm, AcceleratorsReachTheirControls) {
    // A mnemonic click is animated: the key is followed by waiting for the click to land.
    const auto alt = [this](Qt::Key key, const std::function<bool()> &landed) {
        QTest::keyClick(frm.get(), key, Qt::AltModifier);
        return QTest::qWaitFor(landed, 5000);
    };
    EXPECT_TRUE(alt(Qt::Key_E, [&] { return frm->rbDodEasy->isChecked(); }));
    EXPECT_TRUE(alt(Qt::Key_D, [&] { return frm->rbDodNormal->isChecked(); }));
    // Exit's caption shares the letter; training mode is the one Alt+T reaches.
    for (bool checked : {true, false}) {
        SCOPED_TRACE(checked);
        EXPECT_TRUE(alt(Qt::Key_T, [&] { return frm->cbTestMode->isChecked() == checked; }));
        EXPECT_EQ(frm->ieNumSeries->isEnabled(), !checked);
        EXPECT_TRUE(frm->isVisible());
    }
    EXPECT_TRUE(alt(Qt::Key_N, [&] { return frm->ieNumSeries->hasFocus(); }));
    EXPECT_EQ(
        PlayAndClose([&] { QTest::keyClick(frm.get(), Qt::Key_X, Qt::AltModifier); }).numSeries,
        10);
}

TEST_F(MainFrm, ExitEndsTheProgram) {
    QSignalSpy closed(frm.get(), &TmainFrm::Closed);
    QTest::mouseClick(frm->btnExit, Qt::LeftButton);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainFrm, AboutShowsVersionWithFocusOnOkAndClosesOnEnterOrEsc) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        std::optional<bool> okFocused;
        QString version, caption;
        QSize size;
        gametest::WhenShown<Tabout>(frm.get(), [&](Tabout &about) {
            QApplication::setActiveWindow(&about);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&about));
            okFocused = about.ok->hasFocus();
            version = about.ver->text();
            caption = about.windowTitle();
            size = about.size();
            QTest::keyClick(QApplication::focusWidget(), key);
        });
        QTest::mouseClick(frm->btnAbout, Qt::LeftButton);
        EXPECT_EQ(okFocused, true);
        EXPECT_EQ(version, "1.0.0.1");
        EXPECT_EQ(caption, "About Quintara");
        EXPECT_EQ(size, QSize(373, 261));
        EXPECT_EQ(gametest::WindowCount<Tabout>(), 0);
        EXPECT_TRUE(frm->isVisible());
    }
}

TEST_F(MainFrm, EnterInTheAboutNoticeClosesTheWindowInsteadOfBreakingALine) {
    QString notice;
    gametest::WhenShown<Tabout>(frm.get(), [&](Tabout &about) {
        QTest::mouseClick(about.copyinfo->viewport(), Qt::LeftButton);
        notice = about.copyinfo->toPlainText();
        QTest::keyClick(about.copyinfo, Qt::Key_Return);
    });
    QTest::mouseClick(frm->btnAbout, Qt::LeftButton);
    EXPECT_FALSE(notice.isEmpty());
    EXPECT_EQ(gametest::WindowCount<Tabout>(), 0);
}

TEST(AboutWin, StripeIconAndButtonsSitOnTheWhitePanel) {
    Tabout about;
    about.show();
    EXPECT_EQ(about.ver->text(), "1.0.0.1");
    EXPECT_EQ(about.Panel2->geometry(), QRect(0, 0, 73, 261));
    EXPECT_EQ(about.Shape1->geometry(), QRect(73, 0, 300, 261));
    EXPECT_FALSE(about.logo->pixmap().isNull());
    EXPECT_FALSE(about.copyinfo->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(about.TranslationInfoButton1->parentWidget(), &about);
    // The translation-info button lies over the panel, not under it.
    EXPECT_EQ(about.childAt(100, 230), about.TranslationInfoButton1->InnerButton());
}

TEST(AboutWin, TextsTakeTheirFacesAndPixelSizes) {
    Tabout about;
    TmainFrm settings;
    struct Row {
        const char *what;
        const QWidget *widget;
        const char *face; // the installed metric-compatible face
        int pixels;
        bool bold;
    };
    const Row rows[] = {
        {"About title", about.Label1, "DejaVu Sans", 16, true},
        {"About notice", about.Label2, "Tahoma", 11, false},
        {"About version", about.ver, "Tahoma", 11, false},
        {"settings", &settings, "Tahoma", 11, false},
        {"training mode", settings.cbTestMode, "Tahoma", 11, false},
        {"Execute", settings.btnExecute, "Tahoma", 11, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const QFontInfo info(row.widget->font());
        EXPECT_EQ(info.family(), row.face);
        EXPECT_EQ(info.pixelSize(), row.pixels);
        EXPECT_EQ(info.bold(), row.bold);
    }
}

TEST(AboutWin, NoticeLinesAreAFullTextCellApart) {
    Tabout about;
    about.show();
    // The first paragraph that wraps shows the distance between two lines.
    QTextBlock wrapped = about.copyinfo->document()->firstBlock();
    while (wrapped.isValid() && wrapped.layout()->lineCount() < 2)
        wrapped = wrapped.next();
    ASSERT_TRUE(wrapped.isValid());
    const qreal spacing = wrapped.layout()->lineAt(1).y() - wrapped.layout()->lineAt(0).y();
    EXPECT_EQ(spacing, platform::CellHeight(about.copyinfo->font()));
    if (platform::TahomaRegistered()) {
        EXPECT_EQ(spacing, 13);
    }
}

TEST(AboutWin, TranslationInfoIsCaptionedWithTheAboutWindow) {
    MessageRecorder recorder;
    Tabout about;
    about.show();
    QTest::mouseClick(about.TranslationInfoButton1->InnerButton(), Qt::LeftButton);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].caption, "About Quintara");
    EXPECT_EQ(recorder.messages[0].icon, platform::MsgIcon::Information);
}

} // namespace
