// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Alignment of a control to an edge of its parent, or to all of it, kept as the parent resizes.
#pragma once

class QWidget;

namespace platform {

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Aligned controls share the parent's area in the order top, bottom, left, right, client,
// each group in the order of the calls; hidden controls take no room. A top or bottom
// control keeps its height, a left or right one its width.
void SetAlign(QWidget *control, TAlign align);
TAlign Align(const QWidget *control);

} // namespace platform
