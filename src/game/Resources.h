// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's built-in images: the application icon in its sizes.
#pragma once

class QIcon;

namespace game {

// Registers the images; a static library's resources are not linked in otherwise.
void InitResources();
// The application icon with its 16, 32 and 48 pixel images, and the 32 and 48 pixel ones
// drawn for twice the density.
QIcon ApplicationIcon();

} // namespace game
