// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The integer edit box: key filter, arrow-key steps, corrections and their notifications.
#include "controls/IntegerEdit.h"

#include "WidgetProbe.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

using namespace controls;

namespace {

// A window with the count box as the settings window has it, and a second box.
class IntegerEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(300, 100);
        box = new TIntegerEdit(window.get());
        box->setGeometry(10, 10, 80, 22);
        box->setMin(1);
        box->setMax(999);
        box->SetMaxLength(3);
        box->setText(QStringLiteral("10"));
        second = new TIntegerEdit(window.get());
        second->setGeometry(100, 10, 80, 22);
        QObject::connect(box, &TIntegerEdit::OnChange, [this] { changes.push_back(box->text()); });
        ActivateWindow(window.get());
        box->setFocus();
        changes.clear();
    }

    void setTextQuietly(const QString &text) {
        box->setText(text);
        changes.clear();
    }

    std::unique_ptr<QWidget> window;
    TIntegerEdit *box = nullptr;
    TIntegerEdit *second = nullptr;
    QStringList changes;
};

TEST_F(IntegerEditTest, ArrowKeysStepWithinTheBounds) {
    struct Row {
        const char *start;
        Qt::Key key;
        const char *result;
        QStringList changes;
    };
    const Row rows[] = {
        {"5", Qt::Key_Up, "6", {"6"}},        {"5", Qt::Key_Down, "4", {"4"}},
        {"1", Qt::Key_Down, "1", {"0", "1"}}, {"999", Qt::Key_Up, "999", {"999", "999"}},
        {"0", Qt::Key_Up, "1", {"1"}},        {"0", Qt::Key_Down, "1", {"-1", "1"}},
        {"998", Qt::Key_Up, "999", {"999"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.start) + (row.key == Qt::Key_Up ? " up" : " down"));
        setTextQuietly(QString::fromLatin1(row.start));
        QTest::keyClick(box, row.key);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.result));
        EXPECT_EQ(changes, row.changes);
        // Released: the whole text is selected, so the next key replaces it.
        EXPECT_EQ(box->selectedText(), box->text());
    }
}

TEST_F(IntegerEditTest, StepPastTheIntegerRangeFallsBackToMin) {
    box->setMax(std::numeric_limits<std::int32_t>::max());
    setTextQuietly(QStringLiteral("2147483647"));
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
}

TEST_F(IntegerEditTest, EmptyTextStaysEmptyAndSilent) {
    box->setText(QString());
    EXPECT_TRUE(changes.isEmpty());
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down}) {
        QTest::keyClick(box, key);
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_FALSE(TIntegerEdit::SelectAllPending());
        EXPECT_TRUE(box->selectedText().isEmpty());
    }
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(IntegerEditTest, TypedCharactersAreFiltered) {
    struct Row {
        const char *start;
        const char *typed;
        const char *result;
        QStringList changes;
    };
    const Row rows[] = {
        {"12", "-", "12", {}},   {"12", "a", "12", {}},       {"12", " ", "12", {}},
        {"12", "+", "12", {}},   {"12", "3", "123", {"123"}}, {"12", ".", "1", {"1", "1"}},
        {"123", "4", "123", {}}, // three characters at most
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.start) + " + '" + row.typed + "'");
        setTextQuietly(QString::fromLatin1(row.start));
        box->end(false);
        QTest::keyClicks(box, QString::fromLatin1(row.typed));
        EXPECT_EQ(box->text(), QString::fromLatin1(row.result));
        EXPECT_EQ(changes, row.changes);
    }
}

TEST_F(IntegerEditTest, DigitsWithControlOrAltTypeNothing) {
    const Qt::KeyboardModifiers rows[] = {Qt::ControlModifier, Qt::AltModifier};
    for (Qt::KeyboardModifiers modifiers : rows) {
        SCOPED_TRACE(static_cast<int>(modifiers));
        setTextQuietly(QStringLiteral("12"));
        box->end(false);
        QTest::keyClick(box, Qt::Key_5, modifiers);
        EXPECT_EQ(box->text(), QStringLiteral("12"));
        EXPECT_TRUE(changes.isEmpty());
    }
}

TEST_F(IntegerEditTest, BackspaceEditsAndTypedZeroStays) {
    setTextQuietly(QStringLiteral("12"));
    box->end(false);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_TRUE(box->text().isEmpty());
    QTest::keyClicks(box, QStringLiteral("0"));
    EXPECT_EQ(box->text(), QStringLiteral("0"));
    EXPECT_EQ(changes, QStringList({"1", "0"}));
}

TEST_F(IntegerEditTest, ControlCharactersNeverPaste) {
    QApplication::clipboard()->setText(QStringLiteral("42"));
    setTextQuietly(QStringLiteral("5"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("5"));
    // Shift+Insert is a key, not a character: it pastes.
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), QStringLiteral("42"));
}

TEST_F(IntegerEditTest, PastedTextIsCorrectedAtOnce) {
    struct Row {
        const char *clip;
        const char *result;
    };
    const Row rows[] = {{"abc", "1"}, {" 42", "42"}, {"007", "7"}, {"+5", "5"}, {"1\n2", "1"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.clip);
        setTextQuietly(QStringLiteral("10"));
        box->selectAll();
        QApplication::clipboard()->setText(QString::fromLatin1(row.clip));
        box->paste();
        EXPECT_EQ(box->text(), QString::fromLatin1(row.result));
    }
}

TEST_F(IntegerEditTest, ThroughAPlainLineEditPasteIsCutAndProgramWritesAreCorrected) {
    // QLineEdit's own functions, not the box's: the rules hold all the same.
    QLineEdit *plain = box;
    struct Row {
        const char *before;
        int selectFrom, selectLength;
        const char *clip;
        const char *result;
    };
    const Row rows[] = {
        {"5", 1, 0, "6789", "567"}, // at the end: room for two
        {"5", 0, 0, "12", "125"},   // at the start
        {"10", 0, 2, "4\n5", "4"},  // the first line only
        {"999", 0, 0, "1", "999"},  // no room at all
        {"10", 0, 2, "abc", "1"},   // then corrected as any change
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.clip);
        setTextQuietly(QString::fromLatin1(row.before));
        plain->setSelection(row.selectFrom, row.selectLength);
        if (row.selectLength == 0)
            plain->setCursorPosition(row.selectFrom);
        QApplication::clipboard()->setText(QString::fromLatin1(row.clip));
        plain->paste();
        EXPECT_EQ(plain->text(), QString::fromLatin1(row.result));
    }
    plain->setText(QStringLiteral("1000"));
    EXPECT_EQ(plain->text(), QStringLiteral("999")) << "a program write is not cut, but corrected";
    plain->setText(QStringLiteral("0042"));
    EXPECT_EQ(plain->text(), QStringLiteral("42"));
}

TEST_F(IntegerEditTest, PasteIsCutToTheLengthLimitAndTheMenuPastesWithoutShortcuts) {
    setTextQuietly(QStringLiteral("5"));
    box->end(false);
    QApplication::clipboard()->setText(QStringLiteral("6789"));
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box->text(), QStringLiteral("567"));
    // The context menu's Paste is the box's own.
    setTextQuietly(QStringLiteral("8"));
    box->end(false);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &menuEvent);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *pasteAction = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste")))
            pasteAction = action;
        // Ctrl+V, Ctrl+Z, Ctrl+A and the like type characters the box discards: the menu
        // names no shortcut.
        EXPECT_FALSE(action->text().contains(QLatin1Char('\t'))) << action->text().toStdString();
    }
    ASSERT_NE(pasteAction, nullptr);
    pasteAction->trigger();
    menu->close();
    EXPECT_EQ(box->text(), QStringLiteral("867"));
}

TEST_F(IntegerEditTest, ReadOnlyBoxTakesNoTyping) {
    box->setReadOnly(true);
    setTextQuietly(QStringLiteral("5"));
    QTest::keyClicks(box, QStringLiteral("7"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("5"));
}

TEST_F(IntegerEditTest, ProgramWritesAreCorrectedButNotCut) {
    box->setText(QStringLiteral("1000"));
    EXPECT_EQ(box->text(), QStringLiteral("999"));
    EXPECT_EQ(changes, QStringList({"999", "999"}));
    box->setText(QStringLiteral("-5"));
    EXPECT_EQ(box->text(), QStringLiteral("-5"));
}

TEST_F(IntegerEditTest, DefaultBoundsTurnEveryPositiveEntryIntoZero) {
    TIntegerEdit fresh(window.get());
    EXPECT_EQ(fresh.Min(), 0);
    EXPECT_EQ(fresh.Max(), 0);
    fresh.show();
    fresh.setFocus();
    QTest::keyClicks(&fresh, QStringLiteral("7"));
    EXPECT_EQ(fresh.text(), QStringLiteral("0"));
}

TEST_F(IntegerEditTest, SelectAllPendingIsSharedBetweenBoxes) {
    setTextQuietly(QStringLiteral("5"));
    QTest::keyPress(box, Qt::Key_Up);
    EXPECT_TRUE(TIntegerEdit::SelectAllPending());
    QTest::keyPress(second, Qt::Key_Left);
    EXPECT_FALSE(TIntegerEdit::SelectAllPending());
    box->deselect();
    QTest::keyRelease(box, Qt::Key_Up);
    EXPECT_TRUE(box->selectedText().isEmpty());
}

TEST_F(IntegerEditTest, KeyUpDoesNotResetTheFlag) {
    setTextQuietly(QStringLiteral("5"));
    QTest::keyClick(box, Qt::Key_Up);
    box->deselect();
    QTest::keyRelease(box, Qt::Key_Shift);
    EXPECT_EQ(box->selectedText(), QStringLiteral("6"));
}

TEST_F(IntegerEditTest, KeyDownHandlerRunsAfterTheStep) {
    setTextQuietly(QStringLiteral("5"));
    QString seen;
    QObject::connect(box, &TIntegerEdit::OnKeyDown,
                     [&](int &, Qt::KeyboardModifiers) { seen = box->text(); });
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(seen, QStringLiteral("6"));
}

TEST_F(IntegerEditTest, KeyPressHandlerRunsBeforeTheFilter) {
    struct Row {
        const char *name;
        const char *typed;
        char replacement; // 0: the handler clears the character
        const char *result;
    };
    const Row rows[] = {
        {"a letter replaced by a digit", "a", '7', "127"},
        {"a digit replaced by a letter", "3", 'x', "12"},
        {"a digit cleared", "3", 0, "12"},
        {"a digit replaced by a full stop", "3", '.', "1"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        auto connection = QObject::connect(box, &TIntegerEdit::OnKeyPress, [&](QChar &key) {
            key = QChar(static_cast<char16_t>(row.replacement));
        });
        setTextQuietly(QStringLiteral("12"));
        box->end(false);
        QTest::keyClicks(box, QString::fromLatin1(row.typed));
        QObject::disconnect(connection);
        EXPECT_EQ(box->text(), QString::fromLatin1(row.result));
    }
}

TEST_F(IntegerEditTest, ClearedArrowKeyStillSteps) {
    // The step comes before the handler, which can only keep the key from the edit control.
    QObject::connect(box, &TIntegerEdit::OnKeyDown,
                     [](int &key, Qt::KeyboardModifiers) { key = 0; });
    setTextQuietly(QStringLiteral("5"));
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->text(), QStringLiteral("4"));
    EXPECT_EQ(changes, QStringList({"4"}));
}

TEST_F(IntegerEditTest, KeyUpHandlerSeesTheWholeTextSelected) {
    QString selectedAtKeyUp;
    QObject::connect(box, &TIntegerEdit::OnKeyUp,
                     [&](int &, Qt::KeyboardModifiers) { selectedAtKeyUp = box->selectedText(); });
    setTextQuietly(QStringLiteral("41"));
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(selectedAtKeyUp, QStringLiteral("42"));
    // The next keystroke replaces the selected text.
    QTest::keyClicks(box, QStringLiteral("7"));
    EXPECT_EQ(box->text(), QStringLiteral("7"));
}

TEST_F(IntegerEditTest, EnterReachesTheDefaultButton) {
    QDialog dialog;
    auto *edit = new TIntegerEdit(&dialog);
    auto *ok = new QPushButton(QStringLiteral("Execute"), &dialog);
    ok->setDefault(true);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    ActivateWindow(&dialog);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

} // namespace
