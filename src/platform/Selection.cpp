// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding an edit box's selection while it has no focus, by painting it in the box's colours.
#include "platform/Selection.h"

#include <QApplication>
#include <QEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace platform {
namespace {

class SelectionHider : public QObject {
  public:
    explicit SelectionHider(QWidget *edit) : QObject(edit), m_edit(edit) {
        edit->installEventFilter(this);
        Update(edit->hasFocus());
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_edit) {
            switch (event->type()) {
            case QEvent::FocusIn:
                Update(true);
                break;
            case QEvent::FocusOut:
                Update(false);
                break;
            case QEvent::PaletteChange:
                Update(m_edit->hasFocus());
                break;
            default:
                break;
            }
        }
        return false;
    }

  private:
    void Update(bool focused) {
        // Setting the palette raises a palette change of its own.
        if (m_updating)
            return;
        const QScopedValueRollback updating(m_updating, true);
        QPalette palette = m_edit->palette();
        const QPalette standard = QApplication::palette(m_edit);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Highlight,
                             focused ? standard.color(group, QPalette::Highlight)
                                     : palette.color(group, QPalette::Base));
            palette.setColor(group, QPalette::HighlightedText,
                             focused ? standard.color(group, QPalette::HighlightedText)
                                     : palette.color(group, QPalette::Text));
        }
        if (palette != m_edit->palette())
            m_edit->setPalette(palette);
    }

    QWidget *m_edit;
    bool m_updating = false;
};

} // namespace

void HideSelectionWithoutFocus(QWidget *edit) {
    new SelectionHider(edit);
}

} // namespace platform
