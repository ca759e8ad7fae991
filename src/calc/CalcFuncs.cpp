// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of user functions.
#include "calc/CalcFuncs.h"

namespace calc {

TFuncList Functions;

void InitFunctions() {
    Functions.clear();
}

} // namespace calc
