// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The previous implementation of the number text, the evaluator and the list statistics, kept
// unchanged in the tests as the reference that the current, faster one must match exactly.
// It shares the tables, the error state, the built-ins and the checked arithmetic.
#pragma once

#include "calc/NumCalc.h"
#include "calc/detail/OperatorLevel.h"

#include <string>

namespace calc::reference {

std::string FormatResult(bool UseDigits, Extended value);
Extended ParseReal(const std::string &text);

Extended EvaluateExpression(const std::string &text);
Extended EvaluateOperators(const std::string &text);
void FoldSigns(std::string &text);
Extended Factorial(Extended x, const std::string &detail);
TExtendedArray SplitArguments(const std::string &list);
void SubstituteIdentifier(std::string &text, const std::string &name, Extended value,
                          bool callsExcluded);

TExtendedArray SortAscending(const TExtendedArray &list);
TExtendedArray ValueFrequencies(const TExtendedArray &list);

} // namespace calc::reference
