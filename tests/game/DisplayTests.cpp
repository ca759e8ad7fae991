// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window through its real widgets: layout, border switch, submissions, counting,
// training mode and keys.
#include "GameFixture.h"

#include "controls/FlatButton.h"
#include "controls/GradientControl.h"
#include "game/display.h"
#include "platform/Shape.h"

#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

using game::TdisplayFrm;
using gamecore::TSeriesKind;

namespace {

class DisplayFrm : public gametest::PuzzleWindowTest {
  protected:
    // Puts up a sequence whose answer is known: 3, 4, 5, 6 and then 7.
    void PutUpSeven() { frm->PutUpSeries({TSeriesKind::skArithmetic, 3, 1}); }

    QRect Bounds(const QWidget *w) const { return w->geometry(); }
};

TEST_F(DisplayFrm, StartsBorderlessAndFillsTheScreenWithTheCentredRow) {
    Show();
    EXPECT_TRUE(frm->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(frm->windowTitle(), "Quintara");
    EXPECT_EQ(frm->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(frm->Line2->y(), 706);
    // 123.5 and 296.5 both go to the even neighbour.
    EXPECT_EQ(frm->pnIe->pos(), QPoint(124, 360));
    EXPECT_EQ(frm->lblSeries->pos(), QPoint(126, 315));
    EXPECT_EQ(frm->lblExpr->pos(), QPoint(126, 419));
    // Anchored bands, lines and Exit follow the screen's edges.
    EXPECT_EQ(Bounds(frm->GradientControl2), QRect(0, 0, 1027, 64));
    EXPECT_EQ(Bounds(frm->Line1), QRect(0, 64, 1027, 1));
    EXPECT_EQ(Bounds(frm->GradientControl1), QRect(0, 707, 1027, 64));
    EXPECT_EQ(Bounds(frm->Line2), QRect(-3, 706, 1027, 1));
    EXPECT_EQ(Bounds(frm->btnExit), QRect(906, 722, 100, 33));
}

TEST_F(DisplayFrm, ShowsWhiteFramedRowBetweenTheBandsWithItsButtons) {
    Show();
    const QImage image = frm->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const auto at = [&](int x, int y) {
        return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    };
    const QColor white(255, 255, 255), black(0, 0, 0), silver(192, 192, 192);
    struct Pixel {
        const char *where;
        QPoint point;
        QColor colour;
    };
    const Pixel pixels[] = {
        {"top band, silver end", {0, 30}, silver},
        {"bottom band, black end", {0, 740}, black},
        {"line under the top band", {500, 64}, white},
        {"line over the bottom band", {500, 706}, white},
        {"panel frame", {124, 380}, white},
        {"inside a term box", {130, 400}, black},
        {"OK outline", {844, 380}, white},
        {"OK fill, from its black parent", {848, 400}, black},
        {"Exit outline", {906, 730}, black},
        {"Exit fill", {910, 750}, silver},
    };
    for (const Pixel &pixel : pixels) {
        SCOPED_TRACE(pixel.where);
        EXPECT_EQ(at(pixel.point.x(), pixel.point.y()), pixel.colour);
    }
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(frm->Labels[static_cast<std::size_t>(i)]->isVisible());
        EXPECT_EQ(frm->Labels[static_cast<std::size_t>(i)]->x(), 123 + 144 * i);
    }
    for (QWidget *control : std::initializer_list<QWidget *>{frm->ie1, frm->ie2, frm->ie3, frm->ie4,
                                                             frm->ieX, frm->btnEval, frm->btnExit})
        EXPECT_FALSE(control->accessibleName().isEmpty());
    EXPECT_FALSE(frm->lblExpr->isVisible());
    EXPECT_EQ(frm->GradientControl1->Caption(), "");
}

TEST_F(DisplayFrm, TextsTakeTheirFacesSizesAndColours) {
    Show();
    struct Row {
        const char *what;
        const QWidget *widget;
        const char *face; // the installed metric-compatible face
        int pixels;
    };
    const Row rows[] = {
        {"window", frm.get(), "Tahoma", 16},
        {"OK", frm->btnEval, "Tahoma", 16},
        {"Exit", frm->btnExit, "Tahoma", 16},
        {"title", frm->lblSeries_, "Liberation Sans Narrow", 24},
        {"solution", frm->lblExpr_, "Liberation Sans Narrow", 24},
        {"term box", frm->ie1, "Liberation Sans Narrow", 27},
        {"entry box", frm->ieX, "Liberation Sans Narrow", 27},
        {"term label", frm->Labels[4], "Tahoma", 13},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const QFontInfo info(row.widget->font());
        EXPECT_EQ(info.family(), row.face);
        EXPECT_EQ(info.pixelSize(), row.pixels);
        EXPECT_FALSE(info.bold());
    }
    for (const QWidget *text : std::initializer_list<const QWidget *>{
             frm->lblSeries_, frm->lblExpr_, frm->Labels[0], frm->ie4, frm->ieX}) {
        SCOPED_TRACE(text->objectName().toStdString() + text->accessibleName().toStdString());
        EXPECT_EQ(text->palette().color(text->foregroundRole()), QColor(Qt::white));
    }
    EXPECT_EQ(frm->ie1->palette().color(QPalette::Base), QColor(Qt::black));
}

TEST_F(DisplayFrm, EachNewSequenceSelectsTheZeroSoTheFirstKeyReplacesItWithoutMovingFocus) {
    frm->SetNumSeries(5);
    Show();
    frm->ieX->setFocus();
    // The first sequence: typing straight away replaces the "0".
    EXPECT_EQ(frm->ieX->selectedText(), "0");
    QTest::keyClicks(frm->ieX, QString::number(frm->Answer()));
    EXPECT_EQ(frm->ieX->text(), QString::number(frm->Answer()));
    QTest::keyClick(frm->ieX, Qt::Key_Return);
    ASSERT_EQ(frm->SeriesNumber(), 2);
    EXPECT_EQ(frm->ieX->selectedText(), "0");
    EXPECT_TRUE(frm->ieX->hasFocus());
    // Submitted with OK, the next sequence leaves the focus on OK.
    frm->ieX->setText(QString::number(frm->Answer()));
    QTest::mouseClick(frm->btnEval, Qt::LeftButton);
    ASSERT_EQ(frm->SeriesNumber(), 3);
    EXPECT_TRUE(frm->btnEval->hasFocus());
    EXPECT_EQ(frm->ieX->text(), "0");
}

TEST_F(DisplayFrm, DoubleClickOrF11SwitchesToA800By600WindowAndBackWithNewSequences) {
    const auto doubleClick = [](TdisplayFrm &window) {
        QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(600, 250));
    };
    const auto f11 = [](TdisplayFrm &) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    };
    const struct {
        const char *trigger;
        std::function<void(TdisplayFrm &)> switchOver;
        bool onOk;
    } rows[] = {
        {"double click on the background", doubleClick, false},
        {"F11 in the entry box", f11, false},
        {"F11 on OK", f11, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.trigger);
        frm = std::make_unique<TdisplayFrm>();
        Show();
        frm->ieX->setText("55");
        QWidget *const focused = row.onOk ? static_cast<QWidget *>(frm->btnEval) : frm->ieX;
        focused->setFocus();
        row.switchOver(*frm);
        QCoreApplication::processEvents();
        EXPECT_FALSE(frm->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_FALSE(frm->windowState().testFlag(Qt::WindowFullScreen));
        EXPECT_EQ(frm->frameGeometry().size(), QSize(800, 600));
        EXPECT_EQ(frm->frameGeometry().topLeft(), QPoint(112, 84));
        EXPECT_TRUE(frm->isVisible());
        // The offscreen platform's border is 2 device pixels each side: 4 or, at a
        // device-pixel ratio of 2, 2 logical pixels in all.
        const int border = frm->frameGeometry().height() - frm->height();
        ASSERT_TRUE(border == 4 || border == 2) << border;
        EXPECT_EQ(frm->Line2->y(), 600 - border - 62);
        // 400 - 388.5 = 11.5 and (534 - 64) / 2 - 24.5 = 210.5, or (536 - 64) / 2 - 24.5 =
        // 211.5, go to the even neighbour.
        EXPECT_EQ(frm->pnIe->pos(), QPoint(12, 64 + (border == 4 ? 210 : 212)));
        EXPECT_EQ(frm->ieX->text(), "0"); // a new sequence was put up
        EXPECT_EQ(frm->SeriesNumber(), 1);
        EXPECT_EQ(QApplication::focusWidget(), focused);
        // The user may shrink the window down to 800 x 300 outside.
        EXPECT_EQ(frm->minimumSize() + (frm->frameGeometry().size() - frm->size()),
                  QSize(800, 300));

        frm->ieX->setText("55");
        row.switchOver(*frm);
        QCoreApplication::processEvents();
        EXPECT_TRUE(frm->windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_EQ(frm->geometry(), QRect(0, 0, 1024, 768));
        EXPECT_EQ(frm->pnIe->pos(), QPoint(124, 360));
        EXPECT_EQ(frm->ieX->text(), "0");
        EXPECT_EQ(frm->SeriesNumber(), 1);
        EXPECT_EQ(QApplication::focusWidget(), focused);
    }
}

TEST_F(DisplayFrm, BorderRoundTripKeepsTheFocusShowingWhereItWas) {
    Show();
    frm->ieX->setFocus();
    for (int i = 0; i < 2; ++i) {
        QTest::mouseDClick(frm.get(), Qt::LeftButton, {}, QPoint(600, 250));
        QCoreApplication::processEvents();
        EXPECT_TRUE(frm->ieX->hasFocus()) << "switch " << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(frm->btnEval->hasFocus());
    EXPECT_EQ(frm->btnEval->grab().toImage().pixelColor(2, 2), QColor(102, 102, 102));
}

TEST_F(DisplayFrm, ATermBoxTakesTheFocusOnAClickAndCopiesItsTerm) {
    Show();
    PutUpSeven();
    frm->ieX->setFocus();
    frm->ieX->setText("777777");
    frm->ieX->selectAll();
    QTest::mouseDClick(frm->ie2, Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_TRUE(frm->ie2->hasFocus());
    EXPECT_EQ(frm->ie2->selectedText(), "4");
    QTest::keyClick(frm->ie2, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "4");
    // Still no tab stop.
    frm->ieX->setFocus();
    QTest::keyClick(frm->ieX, Qt::Key_Backtab);
    EXPECT_TRUE(frm->btnExit->hasFocus());
}

TEST_F(DisplayFrm, OnlyTheFocusedBoxShowsItsSelection) {
    Show();
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const auto showsHighlight = [&](QWidget *box) {
        const QImage image = box->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == highlight)
                    return true;
        return false;
    };
    frm->btnEval->setFocus();
    frm->ShowSeries();
    ASSERT_EQ(frm->ieX->selectedText(), "0");
    EXPECT_FALSE(showsHighlight(frm->ieX));
    frm->ieX->setFocus();
    EXPECT_TRUE(showsHighlight(frm->ieX));
    // A term selected by the mouse: its box shows it, the entry box no longer does.
    QTest::mouseDClick(frm->ie1, Qt::LeftButton, {}, QPoint(10, 20));
    ASSERT_TRUE(frm->ie1->hasSelectedText());
    EXPECT_TRUE(showsHighlight(frm->ie1));
    EXPECT_FALSE(showsHighlight(frm->ieX));
    frm->ieX->setFocus();
    EXPECT_FALSE(showsHighlight(frm->ie1));
}

TEST_F(DisplayFrm, AWrittenResultShowsItsStart) {
    Show();
    PutUpSeven();
    Submit("Pi");
    ASSERT_EQ(frm->ieX->text(), "3.14159265359");
    EXPECT_EQ(frm->ieX->cursorPosition(), 0);
    ASSERT_EQ(recorder.messages.size(), 1u); // not an integer
}

TEST_F(DisplayFrm, DoubleClickOnAControlDoesNotSwitch) {
    Show();
    QTest::mouseDClick(frm->lblSeries_, Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_TRUE(frm->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(DisplayFrm, ResizeDrawsANewSequenceWithoutCounting) {
    frm->SetNumSeries(3);
    Show();
    Submit(QString::number(frm->Answer()));
    ASSERT_EQ(frm->SeriesNumber(), 2);
    QTest::mouseDClick(frm.get(), Qt::LeftButton, {}, QPoint(600, 250));
    QCoreApplication::processEvents();
    frm->ieX->setText("55");
    const int border = frm->frameGeometry().width() - frm->width();
    frm->resize(900 - border, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(frm->ieX->text(), "0");
    EXPECT_EQ(frm->SeriesNumber(), 2);
    EXPECT_EQ(frm->pnIe->x(), 62); // the outer width 900: 450 - 388.5 = 61.5
}

struct EvalRow {
    const char *typed;
    const char *boxText;
    const char *message; // empty: no message
    bool accepted;       // the answer is 7
};

TEST_F(DisplayFrm, EvalRewritesTheEntryThenReadsItAsAnInteger) {
    const EvalRow rows[] = {
        {"7", "7", "", true},
        {"2^5", "32", "", false},
        {"7.0000000000001", "7", "", true},
        {"14/2", "7", "", true},
        {"10/4", "2.5", "The entered value \"2.5\" is not a valid integer.", false},
        {"Pi", "3.14159265359", "The entered value \"3.14159265359\" is not a valid integer.",
         false},
        {"2^40", "1.09951162778E12",
         "The entered value \"1.09951162778E12\" is not a valid integer.", false},
        {"", "0", "", false},
        {"abc", "0", "", false},
        {"1/0", "0", "", false},
        {"123456789012", "123456789012",
         "The entered value \"123456789012\" is not a valid integer.", false},
    };
    frm->SetNumSeries(100);
    Show();
    for (const EvalRow &row : rows) {
        SCOPED_TRACE(row.typed);
        PutUpSeven();
        recorder.clear();
        const std::int32_t before = frm->SeriesNumber();
        Submit(QString::fromLatin1(row.typed));
        if (row.accepted) {
            EXPECT_EQ(frm->SeriesNumber(), before + 1);
            EXPECT_EQ(frm->ieX->text(), "0"); // the next sequence
            EXPECT_EQ(recorder.beeps, 0);
            continue;
        }
        EXPECT_EQ(frm->SeriesNumber(), before);
        EXPECT_EQ(frm->ieX->text(), row.boxText);
        EXPECT_EQ(frm->ie1->text(), "3");
        if (*row.message) {
            ASSERT_EQ(recorder.messages.size(), 1u);
            EXPECT_EQ(recorder.messages[0].text, row.message);
            EXPECT_EQ(recorder.messages[0].caption, "Quintara");
            EXPECT_FALSE(recorder.messages[0].hadOwner);
            EXPECT_EQ(recorder.messages[0].icon, platform::MsgIcon::Error);
            EXPECT_EQ(recorder.beeps, 0);
        } else {
            EXPECT_TRUE(recorder.messages.empty());
            EXPECT_EQ(recorder.beeps, 1);
        }
    }
}

TEST_F(DisplayFrm, ASilentAbortChangesNothing) {
    Show();
    PutUpSeven();
    Submit("sqrt(-1)+sqrt(-1)");
    EXPECT_EQ(frm->ieX->text(), "sqrt(-1)+sqrt(-1)");
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(frm->ie1->text(), "3");
}

TEST_F(DisplayFrm, CountedGameOfThreeEndsWithAllSequencesCompleted) {
    frm->SetNumSeries(3);
    Show();
    Submit(QString::number(frm->Answer() + 1));
    EXPECT_EQ(recorder.beeps, 1);
    for (int expected : {2, 3}) {
        Submit(QString::number(frm->Answer()));
        EXPECT_EQ(frm->SeriesNumber(), expected);
        EXPECT_TRUE(frm->pnIe->isVisible());
    }
    Submit(QString::number(frm->Answer()));
    EXPECT_EQ(frm->SeriesNumber(), 3);
    EXPECT_FALSE(frm->pnIe->isVisible());
    EXPECT_EQ(frm->lblSeries_->text(), "All sequences completed.");
    // Only Exit remains; a change of size keeps the game complete.
    QTest::mouseDClick(frm.get(), Qt::LeftButton, {}, QPoint(600, 250));
    QCoreApplication::processEvents();
    EXPECT_FALSE(frm->pnIe->isVisible());
    EXPECT_EQ(frm->lblSeries_->text(), "All sequences completed.");
    QTest::mouseClick(frm->btnExit, Qt::LeftButton);
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(DisplayFrm, TrainingModeF1ShowsTheSolutionAndEnterSubmitsItUncounted) {
    frm->SetTestMode(true);
    Show();
    EXPECT_EQ(frm->GradientControl1->Caption(), "Press F1 (Help) to show the solution.");
    frm->PutUpSeries({TSeriesKind::skGeometric, 3, -2});
    frm->ieX->setFocus();
    QTest::keyClick(frm->ieX, Qt::Key_F1);
    EXPECT_EQ(frm->ieX->text(), "48");
    EXPECT_FALSE(frm->ieX->hasSelectedText());
    for (QLineEdit *box : {frm->ie1, frm->ie2, frm->ie3, frm->ie4, frm->ieX})
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(128, 128, 128));
    for (QLabel *label : frm->Labels)
        EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(frm->lblExpr->isVisible());
    EXPECT_EQ(frm->lblExpr_->text(), QString::fromUtf8("a[1]=3\na[n+1]=a[n]×(-2)"));

    QTest::keyClick(frm->ieX, Qt::Key_Return);
    EXPECT_EQ(recorder.beeps, 0);
    EXPECT_EQ(frm->SeriesNumber(), 1);
    EXPECT_EQ(frm->ieX->text(), "0");
    EXPECT_FALSE(frm->lblExpr->isVisible());
    for (QLabel *label : frm->Labels)
        EXPECT_FALSE(label->isVisible());
    EXPECT_EQ(frm->ie1->palette().color(QPalette::Base), QColor(Qt::black));
    // Training mode never completes.
    for (int i = 0; i < 3; ++i)
        Submit(QString::number(frm->Answer()));
    EXPECT_TRUE(frm->pnIe->isVisible());
}

TEST_F(DisplayFrm, F1DoesNothingOutsideTrainingModeOrAwayFromTheEntryBox) {
    Show();
    frm->ieX->setFocus();
    QTest::keyClick(frm->ieX, Qt::Key_F1);
    EXPECT_EQ(frm->ieX->text(), "0");
    EXPECT_FALSE(frm->lblExpr->isVisible());

    frm->SetTestMode(true);
    frm->btnEval->setFocus();
    QTest::keyClick(frm->btnEval, Qt::Key_F1);
    EXPECT_FALSE(frm->lblExpr->isVisible());
}

TEST_F(DisplayFrm, TabMovesFromEntryToOkToExitAndEnterOrSpaceClicks) {
    frm->SetNumSeries(5);
    Show();
    frm->ieX->setFocus();
    QTest::keyClick(frm->ieX, Qt::Key_Tab);
    EXPECT_TRUE(frm->btnEval->hasFocus());
    QTest::keyClick(frm->btnEval, Qt::Key_Tab);
    EXPECT_TRUE(frm->btnExit->hasFocus());
    QTest::keyClick(frm->btnExit, Qt::Key_Tab);
    EXPECT_TRUE(frm->ieX->hasFocus());

    // OK by Space and Enter submits the entry.
    frm->ieX->setText(QString::number(frm->Answer()));
    frm->btnEval->setFocus();
    QTest::keyClick(frm->btnEval, Qt::Key_Space);
    EXPECT_EQ(frm->SeriesNumber(), 2);
    frm->ieX->setText(QString::number(frm->Answer()));
    QTest::keyClick(frm->btnEval, Qt::Key_Return);
    EXPECT_EQ(frm->SeriesNumber(), 3);

    // Esc does nothing; Enter on Exit closes.
    QTest::keyClick(frm->btnEval, Qt::Key_Escape);
    EXPECT_TRUE(frm->isVisible());
    frm->btnExit->setFocus();
    QTest::keyClick(frm->btnExit, Qt::Key_Return);
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(DisplayFrm, ClickingOkKeepsTheFocusOnOk) {
    frm->SetNumSeries(5);
    Show();
    frm->ieX->setText(QString::number(frm->Answer()));
    QTest::mouseClick(frm->btnEval, Qt::LeftButton);
    EXPECT_EQ(frm->SeriesNumber(), 2);
    EXPECT_TRUE(frm->btnEval->hasFocus());
}

TEST_F(DisplayFrm, EachWindowResetsTheCalculatorTables) {
    frm->SetNumSeries(5);
    Show();
    PutUpSeven();
    Submit("2^5");
    Submit("Ans-25");
    EXPECT_EQ(frm->SeriesNumber(), 2);
    frm = std::make_unique<TdisplayFrm>();
    Show();
    PutUpSeven();
    Submit("Ans");
    EXPECT_EQ(frm->ieX->text(), "0");
}

} // namespace
