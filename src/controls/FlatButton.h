// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TFlatButton: a self-painted flat push button with down, focused and normal looks.
//
// How a window sets it up:
//   auto *b = new controls::TFlatButton(parent);
//   b->setGeometry(x, y, w, h);        b->setCaption("OK");
//   b->setClickFocus(true);            b->setDown(false);
//   b->setTabStop(true);               // Tab reaches it (false at creation)
//   b->setColor(platform::clSilver);   // also switches ParentColor off
//   b->setParentColor(true);           // fill taken from the parent's background colour
//   QObject::connect(b, &TFlatButton::OnClick, ...);   // mouse click, Space or Enter
//   b->setFont(...) / Anchors via setAnchors(platform::akRight | platform::akBottom).
// OnKeyDown(int &key, modifiers) runs on a direct connection before the button reacts to
// the key; setting key to 0 there prevents the Space or Enter click.
#pragma once

#include "look/Colors.h"
#include "platform/AlignAnchors.h"
#include "platform/Assign.h"
#include "platform/Colors.h"

#include <QWidget>

namespace controls {

using platform::TColor;

// The fill of the down look (a light orange) and of the focused look (a middle grey).
inline constexpr TColor FlatButtonDownColor = look::FlatButtonDownColor;
inline constexpr TColor FlatButtonFocusColor = look::FlatButtonFocusColor;

// Black for a fill whose mean of red, green and blue is 128 or more, else white. A
// system-colour reference is resolved to its current RGB value first.
TColor ContrastColor(TColor fill);
// Down wins over focus, focus over the normal colour.
TColor FlatButtonFill(bool down, bool focused, TColor color);

class TFlatButton : public QWidget, public platform::TAlignAnchors<TFlatButton> {
    Q_OBJECT
    Q_PROPERTY(platform::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(platform::TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool ClickFocus READ ClickFocus WRITE setClickFocus)
    Q_PROPERTY(uint Color READ Color WRITE setColor)
    Q_PROPERTY(bool Down READ Down WRITE setDown)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

  public:
    explicit TFlatButton(QWidget *parent = nullptr);

    const QString &Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool ClickFocus() const { return m_clickFocus; }
    void setClickFocus(bool clickFocus) { platform::AssignIfChanged(m_clickFocus, clickFocus); }
    // While ParentColor is on, the parent's background colour.
    TColor Color() const;
    void setColor(TColor color);
    bool Down() const { return m_down; }
    void setDown(bool down);
    const QString &Hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool parentColor);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop);

  signals:
    void OnClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnKeyDown(int &key, Qt::KeyboardModifiers modifiers);
    void OnKeyUp(int &key, Qt::KeyboardModifiers modifiers);
    void OnKeyPress(QChar &key);
    void OnEnter();
    void OnExit();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

  private:
    void pressed(QMouseEvent *event, bool armClick);

    QString m_caption;
    QString m_hint;
    bool m_down = false;
    bool m_clickFocus = false;
    bool m_parentColor = true;
    bool m_clickArmed = false;
    TColor m_color = platform::clWindow;
};

} // namespace controls
