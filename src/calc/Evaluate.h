// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole outcome of one evaluation, for callers outside the calculator.
#pragma once

#include "runtime/Extended.h"

#include <string>
#include <string_view>

namespace calc {

struct Evaluation {
    runtime::Extended value = 0; // 0 when the evaluation aborted
    bool aborted = false;        // a second error ended it silently
    int firstError = -1;         // the code of the first error reported, or -1
    std::string message;         // that error's message (Windows-1252); empty when none
};

// Evaluates a typed expression: resets the per-evaluation state, catches the silent abort
// and reads the error state, so no caller depends on their order.
Evaluation Evaluate(std::string_view text);

} // namespace calc
