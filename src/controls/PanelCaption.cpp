// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The caption panel: a frameless panel entirely covered by its gradient band.
#include "controls/PanelCaption.h"

#include "platform/AlignAnchors.h"
#include "platform/Assign.h"
#include "platform/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {
namespace {

// One bevel ring, light on the top and left edges and dark on the others (or reversed).
void DrawBevel(QPainter &painter, QRect &area, TBevelCut cut) {
    if (cut == bvNone)
        return;
    if (cut != bvSpace) {
        const QColor light = platform::ToQColor(platform::clBtnHighlight);
        const QColor dark = platform::ToQColor(platform::clBtnShadow);
        const QColor topLeft = cut == bvRaised ? light : dark;
        const QColor bottomRight = cut == bvRaised ? dark : light;
        painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), topLeft);
        painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), topLeft);
        painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
        painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
    }
    area.adjust(1, 1, -1, -1);
}

} // namespace

TPanelCaption::TPanelCaption(QWidget *parent) : QWidget(parent) {
    resize(width(), PanelCaptionHeight);
    QFont panelFont(QLatin1String("Tahoma"));
    panelFont.setPixelSize(platform::PointsToPixels(8));
    panelFont.setBold(true);
    setFont(panelFont);

    m_band = new TGradientControl(this);
    m_band->setColor1(platform::clBlack);
    m_band->setColor2(0x00444444);
    m_band->setFontName(QStringLiteral("Tahoma"));
    m_band->setFontSize(10);
    m_band->setFontColor(platform::clWhite);
    m_band->setBorderWidth(1);
    m_band->setBorderColor(m_band->Color1());
    m_band->setGradientDirection(gdVertical);
    m_band->setAlign(platform::alClient);
    m_band->setCaption(m_captionText);
}

TPanelCaption::~TPanelCaption() {
    delete m_band;
    m_band = nullptr;
}

void TPanelCaption::setAlignment(Qt::Alignment alignment) {
    if (platform::AssignIfChanged(m_alignment, alignment))
        update();
}

void TPanelCaption::setColor(TColor color) {
    if (platform::AssignIfChanged(m_color, color))
        update();
}

void TPanelCaption::setBevelInner(TBevelCut bevel) {
    if (platform::AssignIfChanged(m_bevelInner, bevel))
        update();
}

void TPanelCaption::setBevelOuter(TBevelCut bevel) {
    if (platform::AssignIfChanged(m_bevelOuter, bevel))
        update();
}

void TPanelCaption::setBorderStyle(TBorderStyle style) {
    if (platform::AssignIfChanged(m_borderStyle, style))
        update();
}

void TPanelCaption::setCaption(const QString &caption) {
    if (platform::AssignIfChanged(m_caption, caption))
        update();
}

void TPanelCaption::setCaptionText(const QString &text) {
    platform::AssignIfChanged(m_captionText, text);
    m_band->setCaption(text);
}

void TPanelCaption::paintEvent(QPaintEvent *) {
    {
        // The base panel: colour, frame and its own caption (all hidden under the band).
        QPainter painter(this);
        QRect area = rect();
        if (m_borderStyle == bsSingle) {
            painter.fillRect(rect(), platform::ToQColor(platform::clWindowFrame));
            area.adjust(1, 1, -1, -1);
        }
        DrawBevel(painter, area, m_bevelOuter);
        DrawBevel(painter, area, m_bevelInner);
        painter.fillRect(area, platform::ToQColor(m_color));
        if (!m_caption.isEmpty()) {
            painter.setFont(font());
            painter.setPen(platform::ToQColor(platform::clWhite));
            painter.drawText(area, static_cast<int>((m_alignment | Qt::AlignVCenter).toInt()),
                             m_caption);
        }
    }
}

bool TPanelCaption::event(QEvent *event) {
    const bool handled = QWidget::event(event);
    // Whatever was set, the frame is switched off again once it has been painted; the paint
    // itself only reads.
    if (event->type() == QEvent::Paint) {
        setBevelInner(bvNone);
        setBevelOuter(bvNone);
        setBorderStyle(bsNone);
    }
    return handled;
}

void TPanelCaption::mousePressEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept(); // the title bar's own: the group beneath does not see it too
}

void TPanelCaption::mouseMoveEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseMove(event->modifiers(), pos.x(), pos.y());
    event->accept();
}

void TPanelCaption::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    emit OnMouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

} // namespace controls
