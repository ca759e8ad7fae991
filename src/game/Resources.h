// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's built-in images: the application icon in its three sizes.
#pragma once

class QIcon;

namespace game {

// Registers the images; a static library's resources are not linked in otherwise.
void InitResources();
// The application icon with its 16, 32 and 48 pixel images.
QIcon ApplicationIcon();

} // namespace game
