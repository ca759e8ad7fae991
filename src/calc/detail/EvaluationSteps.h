// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of an evaluation before the brackets are reduced, for the calculator and its
// tests.
#pragma once

#include <string>

namespace calc::detail {

// Spaces go; every bracket becomes round; the multiplication signs become "*".
std::string Normalise(const std::string &text);
// A "-" after a number, a "!" or a ")" is a subtraction, marked "~"; any other "-" is a sign.
void MarkBinaryMinus(std::string &s);

} // namespace calc::detail
