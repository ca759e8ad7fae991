// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient band's step arithmetic and painting.
#include "controls/GradientControl.h"

#include "look/Gradient.h"
#include "platform/AlignAnchors.h"
#include "platform/Assign.h"
#include "platform/Fonts.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace controls {

std::vector<TColor> GradientSteps(TColor color1, TColor color2, int n) {
    return look::GradientSteps(color1, color2, n);
}

TGradientControl::TGradientControl(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TGradientControl::setBorderWidth(int width) {
    if (platform::AssignIfChanged(m_borderWidth, width))
        repaint();
}

void TGradientControl::setBorderColor(TColor color) {
    if (platform::AssignIfChanged(m_borderColor, color))
        repaint();
}

void TGradientControl::setColor1(TColor color) {
    if (platform::AssignIfChanged(m_color1, platform::ColorToRGB(color)))
        repaint();
}

void TGradientControl::setColor2(TColor color) {
    if (platform::AssignIfChanged(m_color2, platform::ColorToRGB(color)))
        repaint();
}

void TGradientControl::setCaption(const QString &caption) {
    if (platform::AssignIfChanged(m_caption, caption))
        repaint();
}

void TGradientControl::setGradientDirection(TGradientDirection direction) {
    if (platform::AssignIfChanged(m_direction, direction))
        repaint();
}

void TGradientControl::setFontColor(TColor color) {
    if (platform::AssignIfChanged(m_fontColor, color))
        repaint();
}

void TGradientControl::setFontName(const QString &name) {
    if (platform::AssignIfChanged(m_fontName, name))
        repaint();
}

void TGradientControl::setFontSize(int size) {
    if (platform::AssignIfChanged(m_fontSize, size))
        repaint();
}

void TGradientControl::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const bool horizontal = m_direction == gdHorizontal;
    const std::vector<TColor> steps = GradientSteps(m_color1, m_color2, horizontal ? w : h);
    // Line N lies outside the band; the painter's clip drops it.
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int at = static_cast<int>(i);
        const QRect line = horizontal ? QRect(at, 0, 1, h) : QRect(0, at, w, 1);
        painter.fillRect(line, platform::ToQColor(steps[i]));
    }

    if (m_borderWidth > 0) {
        // A pen of BorderWidth centred on the outermost pixels: its inner half shows.
        const QColor border = platform::ToQColor(m_borderColor);
        const int inner = (m_borderWidth + 1) / 2;
        const int t = std::min(inner, h);
        const int s = std::min(inner, w);
        painter.fillRect(QRect(0, 0, w, t), border);
        painter.fillRect(QRect(0, h - t, w, t), border);
        painter.fillRect(QRect(0, 0, s, h), border);
        painter.fillRect(QRect(w - s, 0, s, h), border);
    }

    // The face is taken at every paint, caption or not, and kept while FontName is empty.
    if (!m_fontName.isEmpty())
        m_drawFace = m_fontName;
    if (m_drawFace.isEmpty())
        m_drawFace = QLatin1String(platform::DefaultFontFace);
    if (!m_caption.isEmpty()) {
        const int points = m_fontSize != 0 ? m_fontSize : platform::DefaultFontPoints;
        const QFont font =
            platform::DesignFont(m_drawFace, platform::PointsToPixels(std::abs(points)));
        const QFontMetrics metrics(font);
        painter.setFont(font);
        painter.setPen(platform::ToQColor(m_fontColor));
        const int y = h / 2 - metrics.height() / 2;
        painter.drawText(QPoint(12, y + metrics.ascent()), m_caption);
    }
}

} // namespace controls
