// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the puzzle window says to a screen reader, in UTF-8: short English sentences,
// each ending in a full stop so that a screen reader pauses after it.
#pragma once

#include <string>
#include <vector>

namespace look {

using Terms = std::vector<std::string>;

// The entry box's description: "Current sequence: 3, 6, 9, 12."
std::string SequenceDescription(const Terms &terms);
// A sequence put up without an answer: when the window opens or changes its size; in
// training mode followed by how to get help.
std::string SequenceSpoken(const Terms &terms, bool testMode = false);
std::string WrongSpoken();
// A correct answer and the sequence that follows it.
std::string CorrectSpoken(const Terms &nextTerms);
// The correct answer that completes a counted game.
std::string CompletedSpoken();
// F1 in training mode: the answer, then each line of the formula ("\n" apart) as a sentence.
std::string HelpSpoken(const std::string &answer, const std::string &formula);

} // namespace look
