// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Edit boxes that show their selection only while they have the keyboard focus.
#pragma once

class QWidget;

namespace platform {

// The selection stays, but is drawn only while the box has the focus, so at most one box
// of the program shows one; works for line edits and text edits alike.
void HideSelectionWithoutFocus(QWidget *edit);

} // namespace platform
