// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's inner levels: the operator level, its small routines and the function
// dispatcher. Only the calculator and its tests and benchmarks include this header; everyone
// else evaluates through calc::Evaluate.
#pragma once

#include "calc/NumCalc.h"

#include <cstdint>
#include <string>

namespace calc {

// The operator level: a text without round brackets.
Extended EvaluateOperators(const std::string &text);
void FoldSigns(std::string &text);
enum class TArithOperation : std::uint8_t { aoMultiply, aoDivide, aoAdd, aoSubtract };
Extended AritOp(TArithOperation operation, Extended left, Extended right);
Extended Power(Extended base, Extended exponent);
Extended Factorial(Extended x, const std::string &detail);
TExtendedArray SplitArguments(const std::string &list);

// One function call with evaluated arguments: a built-in, else a user function.
Extended CallFunction(const std::string &name, const TExtendedArray &args);

} // namespace calc
