// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The console's batch path: expressions from the command line or lines from a pipe or file.
#pragma once

#include "tools/Session.h"

#include <string>
#include <vector>

namespace tools {

// Stops at the first failed write.
void EvaluateArguments(Session &session, const std::vector<std::string> &expressions);

// Evaluates every line read from fd until its end (or until writing fails); a "\r" before
// a "\n" is dropped and messages carry the line's number. The results are flushed whenever
// the next read might wait, so a program that writes one line and waits for its answer
// gets it. Returns false, with errno set, when reading fails.
bool EvaluateLines(Session &session, int fd);

} // namespace tools
