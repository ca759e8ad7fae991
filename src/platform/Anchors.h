// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Anchors: a control keeps its distances to chosen edges of its parent as the parent resizes.
#pragma once

class QWidget;

namespace platform {

enum TAnchor { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// The distances are taken from the control's geometry at the call, and again whenever the
// program moves or resizes the control itself. Both edges of an axis anchored: the control
// stretches; neither: it keeps its centre at the same fraction of the parent's extent.
void SetAnchors(QWidget *control, int anchors);
int Anchors(const QWidget *control);

} // namespace platform
