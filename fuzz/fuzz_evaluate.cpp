// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the calculator as an expression, with either decimal separator.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"
#include "runtime/Faults.h"
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
    try {
        const calc::Extended value = calc::EvaluateExpression(text);
        // Every value must format, and an error must have a known code.
        (void)calc::FormatResult(true, value);
        if (calc::FirstError > calc::errNoSmallerPrime)
            std::abort();
        // A second evaluation sees Ans and whatever the first one stored.
        (void)calc::EvaluateExpression(text);
    } catch (const runtime::EAbort &) {
        if (calc::FirstError < 0)
            std::abort();
    }
    return 0;
}
