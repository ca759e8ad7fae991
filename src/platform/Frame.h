// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Top-level windows placed by their outer rectangle, the window manager's border included.
//
// A window manager adds its border only after the window is shown, so a placement is kept
// up: it is applied at once with the best guess of the border and again whenever the border
// turns out different, until the window is hidden or the program places it otherwise.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace platform {

// The border around the window: the window manager's once known; before that, that of
// another framed window of the program; none for a borderless window or without a window
// manager.
QMargins FrameMargins(const QWidget *window);

// The outer rectangle (border included) and the smallest outer size the user may drag to.
void SetOuterGeometry(QWidget *window, const QRect &outer, const QSize &minimumOuter);
// The outer rectangle centred on the screen; the client area keeps its size.
void CentreOnScreen(QWidget *window);
// Ends a kept-up placement of the window.
void StopPlacing(QWidget *window);

// Shows a window that a change of its border has hidden, and gives it back the keyboard,
// focused control included, if it had it.
void ShowAgain(QWidget *window, QWidget *focused);

} // namespace platform
