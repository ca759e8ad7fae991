// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a top-level window modally, by a loop of our own that a border change survives.
#pragma once

class QWidget;

namespace platform {

// Shows the window application-modal and returns once it has been closed (or destroyed).
// Hiding the window, as setWindowFlags does to change its border, does not end the loop.
void ShowModal(QWidget *window);

} // namespace platform
