// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TPanelCaption: a frameless 23-pixel title bar whose surface is a dark vertical gradient
// band with white text at its left.
//
// How a window sets it up: new controls::TPanelCaption(parent); setCaptionText("Settings");
// setGeometry / setAlign as needed (the height starts at 23). Its frame (BevelInner,
// BevelOuter, BorderStyle) switches itself off again at every paint.
#pragma once

#include "controls/GradientControl.h"
#include "platform/Colors.h"

#include <QWidget>

namespace controls {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBorderStyle { bsNone, bsSingle };

inline constexpr int PanelCaptionHeight = 23;

class TPanelCaption : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Align READ Align WRITE setAlign)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(uint Color READ Color WRITE setColor)
    Q_PROPERTY(int BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(int BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString CaptionText READ CaptionText WRITE setCaptionText)

  public:
    explicit TPanelCaption(QWidget *parent = nullptr);
    ~TPanelCaption() override;

    int Align() const;
    void setAlign(int align);
    // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight for the panel's own caption.
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    int Anchors() const;
    void setAnchors(int anchors);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    int BevelInner() const { return m_bevelInner; }
    void setBevelInner(int bevel);
    int BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(int bevel);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
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
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    int m_alignment = Qt::AlignHCenter;
    TColor m_color = platform::clBtnFace;
    int m_bevelInner = bvNone;
    int m_bevelOuter = bvRaised;
    int m_borderStyle = bsNone;
    QString m_caption;
    QString m_captionText;
    TGradientControl *m_band = nullptr;
};

} // namespace controls
