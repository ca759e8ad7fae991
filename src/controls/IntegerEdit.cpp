// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The integer edit box's key filter, arrow-key stepping and text corrections.
#include "controls/IntegerEdit.h"

#include "platform/Assign.h"
#include "platform/Selection.h"
#include "platform/Text.h"
#include "runtime/IntText.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QValidator>
#include <algorithm>
#include <optional>

namespace controls {
namespace {

bool selectAllPending = false;

bool ReadInt(const QString &text, std::int32_t &value) {
    return runtime::TryStrToInt(platform::ToCp1252(text), value);
}

// The character a key press types, as the edit control would receive it; none for keys
// that only move, delete or paste (arrows, Delete, Shift+Insert).
std::optional<QChar> TypedCharacter(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z)
        return QChar(static_cast<char16_t>(event->key() - Qt::Key_A + 1));
    // Other keys with Ctrl or Alt alone (AltGr is both) type no character.
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    if (ctrl != alt)
        return std::nullopt;
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint())
        return text.at(0);
    return std::nullopt;
}

bool Allowed(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(8) ||
           c == QLatin1Char('.');
}

// What the user types, pastes or drops is inserted only up to a line break and only as far
// as the length limit leaves room; the program's writes (setText, which empties the undo
// history) pass whole. As the validator, it holds for every way in, QLineEdit's own paste()
// and context menu included.
class LengthValidator : public QValidator {
  public:
    explicit LengthValidator(TIntegerEdit *edit) : QValidator(edit), m_edit(edit) {
        // Before any other connection, so that a correction made on a change is seen last.
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString &text) { m_before = text; });
    }

    State validate(QString &input, int &pos) const override {
        if (!m_edit->isUndoAvailable())
            return Acceptable;
        // An edit keeps the text behind the cursor; the part it inserted ends at the cursor
        // and starts where the text stops matching the one before.
        const qsizetype tail = input.size() - pos;
        if (pos < 0 || tail < 0 || tail > m_before.size())
            return Acceptable;
        const qsizetype prefixLimit = std::min<qsizetype>(pos, m_before.size() - tail);
        qsizetype start = 0;
        while (start < prefixLimit && input.at(start) == m_before.at(start))
            ++start;
        QString inserted = input.mid(start, pos - start);
        const qsizetype lineEnd = inserted.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (lineEnd >= 0)
            inserted.truncate(lineEnd);
        if (const int limit = m_edit->MaxLength(); limit > 0)
            inserted.truncate(std::max<qsizetype>(0, limit - (start + tail)));
        input = input.left(start) + inserted + input.right(tail);
        pos = static_cast<int>(start + inserted.size());
        return Acceptable;
    }

  private:
    const TIntegerEdit *m_edit;
    QString m_before;
};

} // namespace

TIntegerEdit::TIntegerEdit(QWidget *parent) : QLineEdit(parent) {
    setValidator(new LengthValidator(this));
    setAcceptDrops(false);
    // Digits need no input method, and its committed text would pass the key filter by.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    platform::HideSelectionWithoutFocus(this);
    connect(this, &QLineEdit::textChanged, this, &TIntegerEdit::Change);
}

void TIntegerEdit::SetMaxLength(int length) {
    platform::AssignIfChanged(m_maxLength, length < 0 ? 0 : length);
}

bool TIntegerEdit::SelectAllPending() {
    return selectAllPending;
}
void TIntegerEdit::setSelectAllPending(bool pending) {
    selectAllPending = pending;
}

void TIntegerEdit::writeText(const QString &newText) {
    if (newText != text())
        setText(newText);
}

void TIntegerEdit::writeInt(std::int64_t value) {
    writeText(platform::FromCp1252(runtime::IntToStr(value)));
}

void TIntegerEdit::Change() {
    if (text().isEmpty())
        return;
    std::int32_t value = 0;
    if (!ReadInt(text(), value)) {
        writeInt(m_min);
    } else {
        if (value > m_max)
            writeInt(m_max);
        // Plain decimal form: no leading zeros, blanks or plus sign.
        if (ReadInt(text(), value))
            writeInt(value);
        else
            writeInt(m_min);
    }
    emit OnChange();
}

void TIntegerEdit::KeyDown(int &key) {
    selectAllPending = false;
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    const bool up = key == Qt::Key_Up;
    std::int32_t value = 0;
    bool ok = ReadInt(text(), value);
    if (ok) {
        // 64 bits: one past the 32-bit range is a text the next reading rejects.
        writeInt(static_cast<std::int64_t>(value) + (up ? 1 : -1));
        ok = ReadInt(text(), value);
        if (ok && up && value > m_max)
            writeInt(m_max);
        else if (ok && !up && value < m_min)
            writeInt(m_min);
    }
    if (ok)
        selectAllPending = true;
    else
        writeText(QString());
}

bool TIntegerEdit::KeyPress(QChar &key) {
    emit OnKeyPress(key);
    return Allowed(key);
}

void TIntegerEdit::keyPressEvent(QKeyEvent *event) {
    const std::optional<QChar> typed = TypedCharacter(event);
    int key = event->key();
    KeyDown(key);
    emit OnKeyDown(key, event->modifiers());

    if (!typed) {
        if (key == 0)
            event->accept();
        else if (!event->text().isEmpty() && event->text().at(0).isPrint())
            event->accept(); // the edit control would type it past the filter
        else
            QLineEdit::keyPressEvent(event);
        return;
    }

    // The typed character arrives whether or not a key-down handler cleared the key.
    QChar character = *typed;
    if (!KeyPress(character)) {
        // Enter and Esc go on to the window (its default and cancel buttons).
        if (*typed == QChar(13) || *typed == QChar(27))
            event->ignore();
        else
            event->accept();
        return;
    }
    event->accept();
    if (isReadOnly())
        return;
    if (character == QChar(8)) {
        backspace();
        return;
    }
    if (m_maxLength > 0 && text().size() - selectedText().size() >= m_maxLength)
        return;
    insert(QString(character));
}

void TIntegerEdit::keyReleaseEvent(QKeyEvent *event) {
    // An auto-repeated key sends no key-up of its own: only the final release selects.
    if (event->isAutoRepeat()) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    if (selectAllPending)
        selectAll();
    int key = event->key();
    emit OnKeyUp(key, event->modifiers());
    QLineEdit::keyReleaseEvent(event);
}

void TIntegerEdit::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        const qsizetype tab = action->text().indexOf(QLatin1Char('\t'));
        const QString shortcutText = tab < 0 ? QString() : action->text().mid(tab + 1);
        // A shortcut with Ctrl and a letter types a control character, which the key filter
        // discards: the menu does not offer it.
        const QKeySequence shortcut(shortcutText, QKeySequence::NativeText);
        const QKeyCombination first = shortcut.isEmpty() ? QKeyCombination() : shortcut[0];
        if ((first.keyboardModifiers() & Qt::ControlModifier) && first.key() >= Qt::Key_A &&
            first.key() <= Qt::Key_Z)
            action->setText(action->text().left(tab));
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace controls
