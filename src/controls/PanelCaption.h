// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TPanelCaption: a frameless 23-pixel title bar whose surface is a dark vertical gradient
// band with white text at its left.
//
// How a window sets it up: new controls::TPanelCaption(parent); setCaptionText("Settings");
// setGeometry / setAlign as needed (the height starts at 23). Its frame (BevelInner,
// BevelOuter, BorderStyle) switches itself off again at every paint.
#pragma once

#include "controls/ControlTypes.h"
#include "controls/GradientControl.h"
#include "platform/AlignAnchors.h"
#include "platform/Colors.h"

#include <QWidget>

namespace controls {

inline constexpr int PanelCaptionHeight = 23;

class TPanelCaption : public QWidget, public platform::TAlignAnchors<TPanelCaption> {
    Q_OBJECT
    Q_PROPERTY(platform::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(platform::TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(uint Color READ Color WRITE setColor)
    Q_PROPERTY(controls::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(controls::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(controls::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString CaptionText READ CaptionText WRITE setCaptionText)

  public:
    explicit TPanelCaption(QWidget *parent = nullptr);
    ~TPanelCaption() override;

    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight for the panel's own caption.
    Qt::Alignment Alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut bevel);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const QString &CaptionText() const { return m_captionText; }
    void setCaptionText(const QString &text);

    TGradientControl *Band() const { return m_band; }

  signals:
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

  protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    // A frameless panel in the button shadow colour, its own caption at the left.
    Qt::Alignment m_alignment = Qt::AlignLeft;
    TColor m_color = platform::clBtnShadow;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvNone;
    TBorderStyle m_borderStyle = bsNone;
    QString m_caption;
    QString m_captionText;
    TGradientControl *m_band = nullptr;
};

} // namespace controls
