// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's own error boxes ("Kvarnelo") go through this hook, so the calculator
// needs no window library: the game points it at its message boxes.
#pragma once

#include <functional>
#include <string>

namespace runtime {

// Text and caption are Windows-1252; topmost asks for a box above every window.
using ErrorBoxHandler =
    std::function<void(const std::string &text, const std::string &caption, bool topmost)>;

// An empty handler restores the default, which writes the text to standard error.
void SetErrorBoxHandler(ErrorBoxHandler handler);
void ShowErrorBox(const std::string &text, const std::string &caption, bool topmost);

} // namespace runtime
