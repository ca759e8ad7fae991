// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears and finds in the windows: the spoken texts, when the puzzle
// window says them, and the names, roles and labels of its parts.
#include "GameFixture.h"

#include "controls/CaptionGroup.h"
#include "game/Spoken.h"
#include "game/aboutWin.h"
#include "game/display.h"
#include "game/main.h"

#include <QAccessibleInterface>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

using game::TdisplayFrm;
using gamecore::TSeriesKind;

namespace {

TEST(SpokenTexts, AreShortEnglishSentences) {
    const QStringList terms{"3", "6", "9", "12"};
    const struct {
        QString spoken, expected;
    } rows[] = {
        {game::SequenceSpoken(terms), "Sequence: 3, 6, 9, 12."},
        {game::SequenceDescription({"-1", "1", "-1", "1"}), "Current sequence: -1, 1, -1, 1."},
        {game::WrongSpoken(), "Wrong."},
        {game::CorrectSpoken(terms), "Correct. Next sequence: 3, 6, 9, 12."},
        {game::CompletedSpoken(), "Correct. All sequences completed."},
        {game::HelpSpoken("48", QString::fromUtf8("a[1]=3\na[n+1]=a[n]×(-2)")),
         QString::fromUtf8("Answer: 48. a[1]=3. a[n+1]=a[n]×(-2).")},
        // A line that ends a sentence already gets no second full stop.
        {game::HelpSpoken("13", "a[1]=2\na[n+1]=The prime number succeeding a[n]."),
         "Answer: 13. a[1]=2. a[n+1]=The prime number succeeding a[n]."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.spoken, row.expected);
}

class SpokenPlay : public gametest::PuzzleWindowTest {
  protected:
    QStringList Shown() const {
        return {frm->ie1->text(), frm->ie2->text(), frm->ie3->text(), frm->ie4->text()};
    }

    QString LastSpoken() const {
        return recorder.announcements.empty() ? QString() : recorder.announcements.back();
    }
};

TEST_F(SpokenPlay, ACountedGameSpeaksEachSequenceEveryAnswerAndTheEnd) {
    frm->SetNumSeries(2);
    Show();
    EXPECT_EQ(LastSpoken(), game::SequenceSpoken(Shown()));
    EXPECT_EQ(recorder.announcedBy.back(), frm.get());
    EXPECT_EQ(frm->ieX->accessibleDescription(), game::SequenceDescription(Shown()));

    recorder.clear();
    Submit(QString::number(frm->Answer() + 1));
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_EQ(recorder.announcements, std::vector<QString>{"Wrong."});

    recorder.clear();
    Submit("1.5");
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_TRUE(recorder.announcements.empty()) << "the message box speaks for itself";

    recorder.clear();
    Submit(QString::number(frm->Answer()));
    EXPECT_EQ(recorder.announcements,
              std::vector<QString>{"Correct. Next sequence: " + Shown().join(", ") + "."});
    EXPECT_EQ(frm->ieX->accessibleDescription(), game::SequenceDescription(Shown()));

    recorder.clear();
    Submit(QString::number(frm->Answer()));
    EXPECT_EQ(recorder.announcements, std::vector<QString>{"Correct. All sequences completed."});
    EXPECT_EQ(recorder.beeps, 0);

    // The unseen sequences after the end stay unspoken.
    recorder.clear();
    QTest::mouseDClick(frm.get(), Qt::LeftButton, {}, QPoint(600, 250));
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.announcements.empty());
}

TEST_F(SpokenPlay, ANewSequenceAfterAChangeOfSizeIsSpoken) {
    Show();
    recorder.clear();
    QTest::mouseDClick(frm.get(), Qt::LeftButton, {}, QPoint(600, 250));
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.announcements.empty());
    EXPECT_EQ(LastSpoken(), game::SequenceSpoken(Shown()));
}

TEST_F(SpokenPlay, F1InTrainingModeSpeaksTheAnswerAndTheFormula) {
    frm->SetTestMode(true);
    Show();
    frm->PutUpSeries({TSeriesKind::skGeometric, 3, -2});
    recorder.clear();
    frm->ieX->setFocus();
    QTest::keyClick(frm->ieX, Qt::Key_F1);
    EXPECT_EQ(recorder.announcements,
              std::vector<QString>{QString::fromUtf8("Answer: 48. a[1]=3. a[n+1]=a[n]×(-2).")});
    // Outside training mode F1 says nothing either.
    frm->SetTestMode(false);
    recorder.clear();
    QTest::keyClick(frm->ieX, Qt::Key_F1);
    EXPECT_TRUE(recorder.announcements.empty());
}

TEST_F(SpokenPlay, TrainingModeTellsHowToGetHelpAfterTheTermsAndNamesTheBand) {
    frm->SetTestMode(true);
    Show();
    EXPECT_EQ(LastSpoken(),
              "Sequence: " + Shown().join(", ") + ". Press F1 (Help) to show the solution.");
    QAccessibleInterface *band = QAccessible::queryAccessibleInterface(frm->GradientControl1);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->text(QAccessible::Name), "Press F1 (Help) to show the solution.");
    EXPECT_EQ(band->role(), QAccessible::StaticText);
}

TEST_F(SpokenPlay, ACountedGameNeitherSaysNorNamesTheHelpHint) {
    Show();
    EXPECT_EQ(LastSpoken(), game::SequenceSpoken(Shown()));
    EXPECT_FALSE(LastSpoken().contains("F1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frm->GradientControl1)->text(QAccessible::Name),
              "");
}

// Records what the entry box shows at the moment each announcement is made.
struct EntryAtAnnouncement : platform::AnnounceSink {
    explicit EntryAtAnnouncement(QLineEdit *box) : entry(box) {
        previous = platform::CurrentAnnounceSink();
        platform::SetAnnounceSink(this);
    }
    ~EntryAtAnnouncement() override { platform::SetAnnounceSink(previous); }
    void announce(QWidget *, const QString &text) override {
        seen.push_back({text, entry->text()});
    }
    QLineEdit *entry;
    platform::AnnounceSink *previous;
    std::vector<std::pair<QString, QString>> seen;
};

TEST_F(SpokenPlay, TheAnnouncementComesBeforeTheEntryBoxIsResetForTheNextSequence) {
    frm->SetNumSeries(2);
    Show();
    for (const char *step : {"the next sequence", "the end"}) {
        SCOPED_TRACE(step);
        // 3, 4, 5, 6: the answer 7 stays in the box until the reset.
        frm->PutUpSeries({TSeriesKind::skArithmetic, 3, 1});
        EntryAtAnnouncement order(frm->ieX);
        Submit("7");
        ASSERT_EQ(order.seen.size(), 1u);
        EXPECT_NE(order.seen[0].second, "0") << order.seen[0].first.toStdString();
    }
}

// Every event posted so far, and those they post in turn, delivered.
void Settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

TEST_F(SpokenPlay, AfterAChangeOfSizeOnlyTheLatestSequenceIsSaidOnceTheWindowHasSettled) {
    Show();
    frm->ieX->setFocus();
    frm->ieX->setText("7");
    EntryAtAnnouncement order(frm->ieX);

    QTest::keyClick(frm->ieX, Qt::Key_F11);
    EXPECT_TRUE(order.seen.empty()) << "said amid the window's own events of the switch";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !order.seen.empty(); }, 5000));
    Settle();
    ASSERT_EQ(order.seen.size(), 1u);
    EXPECT_EQ(order.seen[0].first, game::SequenceSpoken(Shown()));
    EXPECT_EQ(order.seen[0].second, "0") << "the entry box's reset goes out first";

    // Two changes of size in a row: the first sequence is never shown long, nor said.
    order.seen.clear();
    frm->resize(frm->width() + 10, frm->height());
    frm->resize(frm->width() + 10, frm->height());
    Settle();
    ASSERT_EQ(order.seen.size(), 1u);
    EXPECT_EQ(order.seen[0].first, game::SequenceSpoken(Shown()));

    // Without the keyboard the window waits to say it until it has it back.
    order.seen.clear();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    frm->resize(frm->width() + 10, frm->height());
    Settle();
    EXPECT_TRUE(order.seen.empty());
    QApplication::setActiveWindow(frm.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !order.seen.empty(); }, 5000));
    Settle();
    ASSERT_EQ(order.seen.size(), 1u);
    EXPECT_EQ(order.seen[0].first, game::SequenceSpoken(Shown()));
}

TEST_F(SpokenPlay, ThePuzzleWindowIsAWindowNamedQuintaraWithItsRowLabelled) {
    Show();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(frm.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Quintara");

    QAccessibleInterface *row = QAccessible::queryAccessibleInterface(frm->pnIe);
    QAccessibleInterface *title = QAccessible::queryAccessibleInterface(frm->lblSeries_);
    ASSERT_NE(row, nullptr);
    const auto labelledBy = row->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy[0].first, title);
    EXPECT_EQ(title->text(QAccessible::Name), "Current sequence:");
    // The terms and the entry are inside the labelled row.
    for (QLineEdit *box : {frm->ie1, frm->ie2, frm->ie3, frm->ie4, frm->ieX})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->parent(), row);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frm->ieX)->text(QAccessible::Name),
              "Term 5, your answer");
}

TEST(SpokenSettings, TheGroupsAreNamedTheDifficultyByItsLabel) {
    game::TmainFrm settings;
    const struct {
        QWidget *widget;
        QString name;
        QWidget *label;
    } rows[] = {{settings.cgSettings, "Settings", nullptr},
                {settings.Panel1, "Difficulty", settings.Label1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(row.widget);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->role(), QAccessible::Grouping);
        EXPECT_EQ(group->text(QAccessible::Name), row.name);
        if (row.label) {
            const auto labelledBy = group->relations(QAccessible::Label);
            ASSERT_EQ(labelledBy.size(), 1);
            EXPECT_EQ(labelledBy[0].first, QAccessible::queryAccessibleInterface(row.label));
        }
    }
    EXPECT_EQ(settings.cgSettings->title(), "") << "nothing new to see";
    // The two choices are heard inside the difficulty's group.
    QAccessibleInterface *difficulty = QAccessible::queryAccessibleInterface(settings.Panel1);
    for (QWidget *choice :
         {static_cast<QWidget *>(settings.rbDodNormal), static_cast<QWidget *>(settings.rbDodEasy)})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(choice)->parent(), difficulty);
}

TEST(SpokenAbout, TheNoticeIsNamedAndTabReachesItWhileAScreenReaderListens) {
    game::Tabout about;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about.copyinfo)->text(QAccessible::Name),
              "Notice");
    // Without a screen reader it stays out of the Tab order, as the window's design has it.
    EXPECT_EQ(about.copyinfo->focusPolicy(), Qt::ClickFocus);
    QAccessible::setActive(true);
    EXPECT_EQ(about.copyinfo->focusPolicy(), Qt::StrongFocus);
    QAccessible::setActive(false);
    EXPECT_EQ(about.copyinfo->focusPolicy(), Qt::ClickFocus);
}

} // namespace
