// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide table of user functions. Nothing in the program adds one, so every
// lookup fails; the table and its evaluation are kept whole all the same.
#pragma once

#include <string>
#include <vector>

namespace calc {

using TStringArray = std::vector<std::string>;

struct TFuncData {
    std::string Name;
    TStringArray Params;
    std::string Body;
};
using TFuncList = std::vector<TFuncData>;

extern TFuncList Functions;

void InitFunctions();

} // namespace calc
