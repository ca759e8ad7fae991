// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The caption group: a group box whose title bar is re-applied at every paint.
#include "controls/CaptionGroup.h"

#include "platform/AlignAnchors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace controls {

TCaptionGroup::TCaptionGroup(QWidget *parent) : QGroupBox(parent) {
    setTitle(QString());
    m_captionPanel = new TPanelCaption(this);
    UpdateCaption();
}

TCaptionGroup::~TCaptionGroup() {
    delete m_captionPanel;
    m_captionPanel = nullptr;
}

void TCaptionGroup::setCaptionText(const QString &text) {
    platform::AssignIfChanged(m_captionText, text);
    UpdateCaption();
}

void TCaptionGroup::UpdateCaption() {
    if (!title().isEmpty())
        setTitle(QString());
    const QRect bar(0, 0, width(), m_captionPanel->height());
    if (m_captionPanel->geometry() != bar)
        m_captionPanel->setGeometry(bar);
    if (m_captionPanel->CaptionText() != m_captionText)
        m_captionPanel->setCaptionText(m_captionText);
}

void TCaptionGroup::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The style sets the frame's left line one pixel in; the title bar starts at the very
    // edge of the group, and the frame with it.
    option.rect.setLeft(option.rect.left() - 1);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

bool TCaptionGroup::event(QEvent *event) {
    const bool handled = QGroupBox::event(event);
    // Each paint is followed by the title bar's position, width and text, and the group's
    // own title cleared; the paint itself only reads.
    if (event->type() == QEvent::Paint)
        UpdateCaption();
    return handled;
}

void TCaptionGroup::mousePressEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
    QGroupBox::mousePressEvent(event);
}

void TCaptionGroup::mouseMoveEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseMove(event->modifiers(), pos.x(), pos.y());
    QGroupBox::mouseMoveEvent(event);
}

void TCaptionGroup::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    QGroupBox::mouseReleaseEvent(event);
}

void TCaptionGroup::keyPressEvent(QKeyEvent *event) {
    // Keys that a child leaves alone pass by on their way to the window.
    if (!hasFocus()) {
        QGroupBox::keyPressEvent(event);
        return;
    }
    int key = event->key();
    emit OnKeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

} // namespace controls
