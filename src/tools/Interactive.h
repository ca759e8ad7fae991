// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The console's interactive path: a prompt, line editing, history and completion of names
// on a terminal, with GNU readline.
#pragma once

#include "tools/Session.h"

#include <string>
#include <vector>

namespace tools {

// Reads and evaluates lines from the terminal on standard input until end of input or
// "quit" or "exit". With keepHistory, the lines persist in HistoryPath() across sessions;
// quiet leaves out the opening line.
void RunInteractive(Session &session, bool keepHistory, bool quiet);

// $XDG_STATE_HOME/quintara/calc_history, else ~/.local/state/quintara/calc_history; empty
// when no home directory is known.
std::string HistoryPath();

// The names that complete prefix: built-ins followed by "(", then the named values that
// exist at this moment.
std::vector<std::string> CompletionsFor(const std::string &prefix);

} // namespace tools
