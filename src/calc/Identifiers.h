// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing values into a text in place of the names that stand for them.
#pragma once

#include "runtime/Extended.h"

#include <string>

namespace calc {

// Replaces every occurrence of name in text that counts as an identifier (no name character
// on either side; with callsExcluded, no "(" after it either) by the value written with 18
// digits, wrapped in "{" "}" when a "!" or "^" follows so that operator takes the whole value.
void SubstituteIdentifier(std::string &text, const std::string &name, runtime::Extended value,
                          bool callsExcluded);

} // namespace calc
