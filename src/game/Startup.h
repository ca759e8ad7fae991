// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program sets up before its first window: names, version, icon, fonts, number
// format and the calculator's error boxes.
#pragma once

namespace game {

// Needs the QApplication to exist.
void InitApplication();

} // namespace game
