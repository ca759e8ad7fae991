// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The expression calculator: error reporting, number text, evaluation of expressions,
// operators and function calls.
#pragma once

#include "runtime/Extended.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

using runtime::Extended;
using TExtendedArray = std::vector<Extended>;

// One byte; codes outside 0..11 are accepted and get the generic message.
enum TCalcError : std::uint8_t {
    errSyntax = 0,
    errDivisionByZero = 1,
    errArgumentCount = 2,
    errInvalidArgument = 3,
    errUnknownVariable = 4,
    errUnknownFunction = 5,
    errNotReal = 6,
    errCannotCompute = 7,
    errNaturalExpected = 8,
    errIntegerExpected = 9,
    errUnknown = 10,
    errNoSmallerPrime = 11,
};

// Per-evaluation error state.
extern bool ErrorReported;
extern bool ErrorOccurred;
// One bit per code 0..15: codes shown in a box and stopping the evaluation at once.
extern std::uint16_t ImmediateErrors;
// The code of the first error reported since the current evaluation began, or -1.
extern int FirstError;
// The message composed for that first error (Windows-1252); empty when none.
extern std::string FirstErrorMessage;

// Starts the error state of an evaluation: no error occurred, none is recorded, and, when
// clearReported, none has been reported either.
void ResetErrorState(bool clearReported);
// Records an error; raises runtime::EAbort when the evaluation must stop.
void RaiseCalcError(TCalcError code, const std::string &detail);

// Value to text: _digits significant digits when UseDigits, else 18.
std::string FormatResult(bool UseDigits, Extended value);
// Text to value; raises runtime::EConvertError on text that is no number.
Extended ParseReal(std::string_view text);

// The entry point: the value of a typed expression (0 on an error that ends it).
Extended EvaluateExpression(const std::string &text);

} // namespace calc
