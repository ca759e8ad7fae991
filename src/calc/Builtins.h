// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of built-in functions that CallFunction consults before the user functions.
#pragma once

#include "calc/NumCalc.h"
#include "calc/detail/Failures.h"
#include "calc/detail/OperatorLevel.h"

#include <string>

namespace calc {

// When name is a built-in, computes it into result (reporting its errors) and returns true.
bool CallBuiltin(const std::string &name, const TExtendedArray &args, Extended &result);

} // namespace calc
