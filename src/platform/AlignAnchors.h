// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Alignment and anchors: how a control follows its parent's size, and the Align/Anchors
// property pair that the own controls publish.
#pragma once

#include <QObject>

class QWidget;

namespace platform {
Q_NAMESPACE

// The edge of the parent a control is aligned to, or all of it.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

// The edges of the parent a control keeps its distances to.
enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
Q_DECLARE_FLAGS(TAnchors, TAnchor)
Q_FLAG_NS(TAnchors)

// Aligned controls share the parent's area in the order top, bottom, left, right, client,
// each group in the order of the calls; hidden controls take no room. A top or bottom
// control keeps its height, a left or right one its width.
void SetAlign(QWidget *control, TAlign align);
TAlign Align(const QWidget *control);

// The distances are taken from the control's geometry at the call, and again whenever the
// program moves or resizes the control itself. Both edges of an axis anchored: the control
// stretches; neither: it keeps its centre at the same fraction of the parent's extent.
void SetAnchors(QWidget *control, TAnchors anchors);
TAnchors Anchors(const QWidget *control);

// The accessors behind a control's Align and Anchors properties; the control declares
//   Q_PROPERTY(platform::TAlign Align READ Align WRITE setAlign)
//   Q_PROPERTY(platform::TAnchors Anchors READ Anchors WRITE setAnchors)
template <class Control> class TAlignAnchors {
  public:
    TAlign Align() const { return platform::Align(control()); }
    void setAlign(TAlign align) { platform::SetAlign(control(), align); }
    TAnchors Anchors() const { return platform::Anchors(control()); }
    void setAnchors(TAnchors anchors) { platform::SetAnchors(control(), anchors); }

  private:
    const QWidget *control() const { return static_cast<const Control *>(this); }
    QWidget *control() { return static_cast<Control *>(this); }
};

} // namespace platform

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::TAnchors)
