// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the calculator reports a failure it catches: one table for every place that catches.
#pragma once

#include <cstdint>
#include <string>

namespace calc::detail {

// Where a failure was caught, which decides what it means.
enum class FailureSite : std::uint8_t {
    Evaluation,   // it ends the evaluation
    BuiltinCall,  // a built-in function failed: its result is 0
    ArgumentText, // an argument's text is no number: it counts as 0
};

// Reports the exception being handled as its site classifies it, with name as the detail
// where the report names the function. The silent abort passes on unchanged, and so does a
// failure that the site does not classify. Call only from inside a catch block.
void ReportFailure(FailureSite site, const std::string &name = {});

} // namespace calc::detail
