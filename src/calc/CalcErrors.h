// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's error vocabulary, for RaiseCalcError and the tests of its texts.
#pragma once

#include "calc/NumCalc.h"

#include <string>

namespace calc {

// The Windows-1252 message text of a code.
std::string CalcErrorMessage(TCalcError code, const std::string &detail);

} // namespace calc
