// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One submitted answer, from the entry text to its outcome, without any window.
#pragma once

#include <cstdint>
#include <string>

namespace gamecore {

enum class TSubmitOutcome : std::uint8_t {
    soAborted,    // the calculator stopped silently: nothing changes, not even the box
    soNotInteger, // the rewritten text is no 32-bit integer
    soWrong,
    soCorrect,   // the next sequence follows
    soCompleted, // the last sequence of a counted game was solved
};

// What a submission reads and advances.
struct PlayState {
    bool TestMode = false;
    std::int32_t NumSeries = 0;
    std::int32_t SeriesNumber = 1;
    std::int32_t Answer = 0;
};

struct SubmitResult {
    TSubmitOutcome Outcome = TSubmitOutcome::soAborted;
    std::string BoxText; // Windows-1252: what the entry box shows afterwards
};

// Evaluates the entry with the calculator, formats the value with _digits, reads that text
// as an integer and compares it with the answer; a counted correct answer advances
// state.SeriesNumber.
SubmitResult SubmitAnswer(const std::string &entryText, PlayState &state);

} // namespace gamecore
