// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the rectangle shape: an outline ring as wide as the pen around the brush.
#include "platform/Shape.h"

#include "platform/Assign.h"

#include <QPainter>
#include <algorithm>

namespace platform {

TShape::TShape(QWidget *parent) : QWidget(parent) {}

void TShape::setPenColor(TColor color) {
    if (AssignIfChanged(m_penColor, color))
        update();
}

void TShape::setPenWidth(int width) {
    if (AssignIfChanged(m_penWidth, width))
        update();
}

void TShape::setPenStyle(int style) {
    if (AssignIfChanged(m_penStyle, style))
        update();
}

void TShape::setBrushColor(TColor color) {
    if (AssignIfChanged(m_brushColor, color))
        update();
}

void TShape::setBrushStyle(int style) {
    if (AssignIfChanged(m_brushStyle, style))
        update();
}

void TShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // A zero-width pen still draws one pixel, as a cosmetic pen does.
    const int ring = m_penStyle == psClear ? 0 : std::max(1, m_penWidth);
    if (m_brushStyle == bsSolid && w > 2 * ring && h > 2 * ring)
        painter.fillRect(QRect(ring, ring, w - 2 * ring, h - 2 * ring), ToQColor(m_brushColor));
    if (ring > 0) {
        const QColor pen = ToQColor(m_penColor);
        const int t = std::min(ring, (h + 1) / 2);
        const int s = std::min(ring, (w + 1) / 2);
        painter.fillRect(QRect(0, 0, w, t), pen);
        painter.fillRect(QRect(0, h - t, w, t), pen);
        painter.fillRect(QRect(0, 0, s, h), pen);
        painter.fillRect(QRect(w - s, 0, s, h), pen);
    }
}

} // namespace platform
