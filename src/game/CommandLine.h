// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line: --help and --version answer without opening a window, and a
// display that cannot be opened ends the program with one line instead of an abort.
#pragma once

#include <optional>
#include <ostream>

namespace game {

// Answers --help or --version on out and returns the exit status; nothing for any other
// command line, which goes on to the windowing toolkit as it is.
std::optional<int> AnswerCommandLine(int argc, const char *const *argv, std::ostream &out);

// From here until the application exists, a failure to reach the display writes
// "quintara: cannot open the display ..." and ends the program with status 1.
void ExitQuietlyWithoutDisplay();
// The application is up: the toolkit's messages go their usual way again.
void DisplayOpened();

} // namespace game
