// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the calculator as an expression, with either decimal separator.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/Evaluate.h"
#include "calc/NumCalc.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"
#include "runtime/Random.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const bool initialised = [] {
        runtime::SetErrorBoxHandler([](const std::string &, const std::string &, bool) {});
        return true;
    }();
    (void)initialised;
    // The first byte picks the separator, so both number formats get explored.
    runtime::SetDecimalSeparator(size > 0 && (data[0] & 1) ? ',' : '.');
    runtime::RandSeed(1);
    calc::InitVariables();
    calc::InitFunctions();
    const std::string text(reinterpret_cast<const char *>(data), size);
    const calc::Evaluation first = calc::Evaluate(text);
    // An abort follows a first error; any error has a known code.
    if (first.aborted ? first.firstError < 0 : first.firstError > calc::errNoSmallerPrime)
        std::abort();
    // Every value must format.
    (void)calc::FormatResult(true, first.value);
    // A second evaluation sees Ans and whatever the first one stored.
    if (!first.aborted)
        (void)calc::Evaluate(text);
    return 0;
}
