// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TGradientControl: a band filled with a linear colour gradient, an optional outline and an
// optional line of text at its left.
//
// How a window sets it up (each setter repaints at once when the value changes):
//   auto *g = new controls::TGradientControl(parent);   // black to white, horizontal
//   g->setGeometry(0, 0, 795, 64);      g->setAnchors(akLeft | akTop | akRight);
//   g->setColor1(platform::clSilver);   g->setColor2(platform::clBlack);
//   g->setGradientDirection(controls::gdHorizontal);
//   g->setBorderWidth(0);  g->setBorderColor(clBlack);
//   g->setFontColor(clBlack);  g->setFontName("");  g->setFontSize(0);  g->setCaption("...");
//   g->setAlign(platform::alClient) fills the parent.
#pragma once

#include "controls/ControlTypes.h"
#include "platform/AlignAnchors.h"
#include "platform/Colors.h"

#include <QWidget>
#include <vector>

namespace controls {

using platform::TColor;

// The colours of the lines i = 0 .. n of a gradient over n columns (or rows), n + 1
// entries, from running 80-bit sums of one step per channel each rounded to the nearest
// integer with ties to even. Empty when n is not positive.
std::vector<TColor> GradientSteps(TColor color1, TColor color2, int n);

class TGradientControl : public QWidget, public platform::TAlignAnchors<TGradientControl> {
    Q_OBJECT
    Q_PROPERTY(platform::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(platform::TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(uint Color1 READ Color1 WRITE setColor1)
    Q_PROPERTY(uint Color2 READ Color2 WRITE setColor2)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(controls::TGradientDirection GradientDirection READ GradientDirection WRITE
                   setGradientDirection)
    Q_PROPERTY(uint FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize)

  public:
    explicit TGradientControl(QWidget *parent = nullptr);

    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    // Stored as plain RGB: a system-colour reference is resolved when set.
    TColor Color1() const { return m_color1; }
    void setColor1(TColor color);
    TColor Color2() const { return m_color2; }
    void setColor2(TColor color);
    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TGradientDirection GradientDirection() const { return m_direction; }
    void setGradientDirection(TGradientDirection direction);
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);
    const QString &FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    // Points; 0 is the drawing font's default size.
    int FontSize() const { return m_fontSize; }
    void setFontSize(int size);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int m_borderWidth = 0;
    TColor m_borderColor = platform::clBlack;
    TColor m_color1 = platform::clBlack;
    TColor m_color2 = platform::clWhite;
    QString m_caption;
    TGradientDirection m_direction = gdHorizontal;
    TColor m_fontColor = platform::clBlack;
    QString m_fontName;
    int m_fontSize = 0;
    // The face carries over from one paint to the next while FontName is empty.
    QString m_drawFace;
};

} // namespace controls
