// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide table of named values: Pi, e, Phi, _digits, and what the calculator
// stores while it works (Ans, x, y, r, Theta).
#pragma once

#include "runtime/Extended.h"

#include <string>
#include <vector>

namespace calc {

using runtime::Extended;

struct TVarData {
    std::string Name; // Windows-1252, compared exactly
    Extended Value = 0;
};
using TVarList = std::vector<TVarData>;

// In insertion order, which is the order of substitution.
extern TVarList Variables;

void InitVariables();
int FindVariable(const std::string &name);
// Shows "Kvarnelo" error boxes and raises runtime::EAbort for an invalid or protected name.
void SetVariable(const std::string &name, Extended value);
bool GetVariable(const std::string &name, Extended &value);

} // namespace calc
