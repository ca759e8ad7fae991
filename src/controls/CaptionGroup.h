// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TCaptionGroup: a group box whose title is a dark caption panel laid across its top.
//
// How a window sets it up: auto *g = new controls::TCaptionGroup(parent);
// g->setGeometry(x, y, 217, 193); g->setCaptionText("Settings"); children are created with
// the group as parent, in its coordinates, below the 23-pixel title bar.
#pragma once

#include "controls/PanelCaption.h"
#include "platform/AlignAnchors.h"
#include "platform/Assign.h"

#include <QGroupBox>

namespace controls {

class TCaptionGroup : public QGroupBox, public platform::TAlignAnchors<TCaptionGroup> {
    Q_OBJECT
    Q_PROPERTY(platform::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(platform::TAnchors Anchors READ Anchors WRITE setAnchors)
    Q_PROPERTY(QString CaptionText READ CaptionText WRITE setCaptionText)
    Q_PROPERTY(controls::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(controls::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

  public:
    explicit TCaptionGroup(QWidget *parent = nullptr);
    ~TCaptionGroup() override;

    const QString &CaptionText() const { return m_captionText; }
    void setCaptionText(const QString &text);
    // Bevel settings of a windowed control; with no bevel kind they draw nothing.
    TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut bevel) { platform::AssignIfChanged(m_bevelInner, bevel); }
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut bevel) { platform::AssignIfChanged(m_bevelOuter, bevel); }
    // The group box's own title: cleared again at every paint, never shown.
    QString Caption() const { return title(); }
    void setCaption(const QString &caption) { setTitle(caption); }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus); }

    TPanelCaption *CaptionPanel() const { return m_captionPanel; }
    // Clears the own title, lays the title bar across the top at the group's width and
    // copies the title text down; changes only what differs.
    void UpdateCaption();

  signals:
    void OnMouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void OnKeyDown(int &key, Qt::KeyboardModifiers modifiers);

  protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    QString m_captionText;
    TPanelCaption *m_captionPanel = nullptr;
    TBevelCut m_bevelInner = bvRaised;
    TBevelCut m_bevelOuter = bvLowered;
};

} // namespace controls
