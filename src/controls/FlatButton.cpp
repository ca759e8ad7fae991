// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting, keys, mouse and focus of the flat button.
#include "controls/FlatButton.h"

#include "platform/Assign.h"
#include "platform/Hint.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace controls {

TColor ContrastColor(TColor fill) {
    return look::ContrastColor(platform::ColorToRGB(fill));
}

TColor FlatButtonFill(bool down, bool focused, TColor color) {
    return look::FlatButtonFill(down, focused, color);
}

namespace {

// Screen readers see a push button named by its caption, which they can press.
class AccessibleFlatButton : public QAccessibleWidget {
  public:
    explicit AccessibleFlatButton(TFlatButton *button)
        : QAccessibleWidget(button, QAccessible::Button) {
        addControllingSignal(QStringLiteral("OnClick()"));
    }

    QString text(QAccessible::Text t) const override {
        QString result = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && result.isEmpty())
            result = static_cast<TFlatButton *>(widget())->Caption();
        return result;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<TFlatButton *>(widget())->OnClick();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *AccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("controls::TFlatButton") && object->isWidgetType())
        return new AccessibleFlatButton(static_cast<TFlatButton *>(object));
    return nullptr;
}

} // namespace

TFlatButton::TFlatButton(QWidget *parent) : QWidget(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    (void)accessibleInstalled;
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFlatButton::setCaption(const QString &caption) {
    if (!platform::AssignIfChanged(m_caption, caption))
        return;
    setWindowTitle(caption);
    repaint();
}

TColor TFlatButton::Color() const {
    if (m_parentColor && parentWidget()) {
        const QWidget *p = parentWidget();
        return platform::FromQColor(p->palette().color(p->backgroundRole()));
    }
    return m_color;
}

void TFlatButton::setColor(TColor color) {
    // A colour of its own ends taking the parent's.
    const bool changed = platform::AssignIfChanged(m_color, color);
    if (platform::AssignIfChanged(m_parentColor, false) || changed)
        update();
}

void TFlatButton::setDown(bool down) {
    if (platform::AssignIfChanged(m_down, down))
        repaint();
}

void TFlatButton::setHint(const QString &hint) {
    if (platform::AssignIfChanged(m_hint, hint))
        platform::SetHint(this, hint);
}

void TFlatButton::setParentColor(bool parentColor) {
    if (platform::AssignIfChanged(m_parentColor, parentColor))
        update();
}

void TFlatButton::setTabStop(bool tabStop) {
    // Focus by mouse is the button's own business (ClickFocus), so only Tab is enabled.
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TFlatButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const bool focused = hasFocus();
    const TColor fillColor = FlatButtonFill(m_down, focused, Color());
    const QColor fill = platform::ToQColor(fillColor);
    const QColor contrast = platform::ToQColor(ContrastColor(fillColor));

    // The outline on the outermost pixels, the fill inside.
    painter.fillRect(rect(), contrast);
    if (w > 2 && h > 2)
        painter.fillRect(QRect(1, 1, w - 2, h - 2), fill);

    if (!m_caption.isEmpty()) {
        const QFontMetrics metrics(font());
        const int textWidth = metrics.horizontalAdvance(m_caption);
        const int textHeight = metrics.height();
        const int x = w / 2 - textWidth / 2;
        const int y = h / 2 - textHeight / 2;
        painter.fillRect(QRect(x, y, textWidth, textHeight), fill);
        painter.setFont(font());
        painter.setPen(contrast);
        painter.drawText(QPoint(x, y + metrics.ascent()), m_caption);
    }

    if (focused) {
        // The dotted focus rectangle inverts every other pixel of its frame.
        const QRect frame(QPoint(4, 4), QPoint(w - 6, h - 6));
        if (frame.width() > 0 && frame.height() > 0) {
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            auto dot = [&](int x, int y) {
                if ((x + y) % 2 == 0)
                    painter.fillRect(QRect(x, y, 1, 1), Qt::white);
            };
            for (int x = frame.left(); x <= frame.right(); ++x) {
                dot(x, frame.top());
                if (frame.bottom() != frame.top())
                    dot(x, frame.bottom());
            }
            for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
                dot(frame.left(), y);
                if (frame.right() != frame.left())
                    dot(frame.right(), y);
            }
        }
    }
}

void TFlatButton::pressed(QMouseEvent *event, bool armClick) {
    const QPoint pos = event->position().toPoint();
    const QPointer<TFlatButton> alive(this);
    emit OnMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
    if (!alive)
        return;
    if (event->button() == Qt::LeftButton)
        m_clickArmed = armClick;
    if (m_clickFocus && isVisible() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    event->accept();
}

void TFlatButton::mousePressEvent(QMouseEvent *event) {
    pressed(event, true);
}

// The second press of a double click is a press too, but its release is no click.
void TFlatButton::mouseDoubleClickEvent(QMouseEvent *event) {
    pressed(event, false);
}

void TFlatButton::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_clickArmed) {
        m_clickArmed = false;
        if (rect().contains(pos)) {
            // A click handler may delete the button (closing its window, say).
            const QPointer<TFlatButton> alive(this);
            emit OnClick();
            if (!alive)
                return;
        }
    }
    emit OnMouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

void TFlatButton::keyPressEvent(QKeyEvent *event) {
    // A handler may delete the button (closing its window, say).
    const QPointer<TFlatButton> alive(this);
    int key = event->key();
    emit OnKeyDown(key, event->modifiers());
    if (!alive)
        return;
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        isSignalConnected(QMetaMethod::fromSignal(&TFlatButton::OnClick))) {
        emit OnClick();
        if (!alive)
            return;
    }
    // The character the key types, control characters (Enter, Esc, Backspace) included;
    // Delete types none.
    if (!event->text().isEmpty() && event->text().at(0) != QChar(0x7F)) {
        QChar character = event->text().at(0);
        emit OnKeyPress(character);
    }
    // The button itself does nothing more with the key; Esc goes on to the window, as a
    // dialog key that a cancel button may take.
    if (event->key() == Qt::Key_Escape)
        event->ignore();
    else
        event->accept();
}

void TFlatButton::keyReleaseEvent(QKeyEvent *event) {
    if (!event->isAutoRepeat()) {
        int key = event->key();
        emit OnKeyUp(key, event->modifiers());
    }
    event->accept();
}

void TFlatButton::focusInEvent(QFocusEvent *event) {
    repaint();
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit OnEnter();
}

void TFlatButton::focusOutEvent(QFocusEvent *event) {
    repaint();
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit OnExit();
}

} // namespace controls
