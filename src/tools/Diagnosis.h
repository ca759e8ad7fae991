// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where an expression that the calculator rejected goes wrong, and a hint for the common
// slips. A reading of the text for the user only: it never changes a value or an error.
#pragma once

#include <cstddef>
#include <string>

namespace tools {

struct Diagnosis {
    bool found = false;
    std::size_t offset = 0; // byte offset in the line of the place to point at
    std::string hint;       // empty when there is nothing to add
};

// line: the text as the user typed it (UTF-8, tabs already made spaces); code and message:
// the calculator's first error. separator: the decimal separator in use.
Diagnosis Diagnose(const std::string &line, int code, const std::string &calculatorMessage,
                   char separator);

// The two lines under an error message: the line (cut around the place when long) and a
// caret under the place, followed by the hint. Each line starts with two spaces.
std::string PointAt(const std::string &line, const Diagnosis &diagnosis);

} // namespace tools
