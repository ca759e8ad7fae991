// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TIntegerEdit: a single-line edit box for a bounded whole number that filters typed
// characters, steps with the arrow keys and corrects its text on every change.
//
// How a window sets it up: auto *e = new controls::TIntegerEdit(parent);
// e->setMin(1); e->setMax(999); e->SetMaxLength(3); e->setText("10");
// Read the value with text() and convert it yourself. OnChange() fires after each change
// of a non-empty text (after the box's own corrections); OnKeyDown(int &key, modifiers) and
// OnKeyPress(QChar &key) run on a direct connection and may change or clear the key.
// MaxLength limits what the user types or pastes, however it gets in; setText() is never
// cut. It is not QLineEdit's maxLength, which would cut the program's writes as well.
#pragma once

#include "platform/AlignAnchors.h"
#include "platform/Assign.h"

#include <QLineEdit>
#include <cstdint>

namespace controls {

class TIntegerEdit : public QLineEdit, public platform::TAlignAnchors<TIntegerEdit> {
    Q_OBJECT
    Q_PROPERTY(platform::TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)

  public:
    explicit TIntegerEdit(QWidget *parent = nullptr);

    // Plain stored bounds: changing them does not re-check the text.
    std::int32_t Min() const { return m_min; }
    void setMin(std::int32_t min) { platform::AssignIfChanged(m_min, min); }
    std::int32_t Max() const { return m_max; }
    void setMax(std::int32_t max) { platform::AssignIfChanged(m_max, max); }
    // 0: no limit.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);

    // Shared by every integer edit box: the last key-down was an arrow-key step.
    static bool SelectAllPending();
    static void setSelectAllPending(bool pending);

  signals:
    void OnChange();
    void OnKeyDown(int &key, Qt::KeyboardModifiers modifiers);
    void OnKeyUp(int &key, Qt::KeyboardModifiers modifiers);
    void OnKeyPress(QChar &key);

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

  private:
    void Change();
    void KeyDown(int &key);
    bool KeyPress(QChar &key);
    // Writes the text only when it differs, so that an equal write raises no change.
    void writeText(const QString &text);
    void writeInt(std::int64_t value);

    std::int32_t m_min = 0;
    std::int32_t m_max = 0;
    int m_maxLength = 0;
};

} // namespace controls
