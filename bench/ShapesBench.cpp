// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shapes that decide how the calculator feels: typed expressions of about 200 characters,
// deep nesting, the answer box's longest paste, list statistics over 10,000 values, and the
// longest loops of the built-ins beside a plain loop doing the same arithmetic.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "calc/detail/OperatorLevel.h"

#include "runtime/DecimalSeparator.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// The answer box takes at most this many characters.
constexpr std::size_t kLongestPaste = 32767;

// term, joined by separator, as often as fits in about length characters.
std::string Repeat(const std::string &term, const std::string &separator, std::size_t length) {
    std::string text = term;
    while (text.size() + separator.size() + term.size() <= length)
        text += separator + term;
    return text;
}

std::string Nested(std::size_t length) {
    const std::size_t depth = (length - 1) / 2;
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

// A call of name over count values 1, 2, ... that repeat every 97, so that values recur.
std::string ListCall(const std::string &name, std::size_t count) {
    std::string text = name + "(";
    for (std::size_t i = 0; i < count; ++i)
        text += std::to_string(i * 7919 % 97 + 1) + (i + 1 < count ? ";" : ")");
    return text;
}

calc::TExtendedArray ListValues(std::size_t count) {
    calc::TExtendedArray values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(static_cast<calc::Extended>(i * 7919 % 97 + 1) / 8);
    return values;
}

void Fresh() {
    runtime::SetDecimalSeparator('.');
    calc::InitVariables();
    calc::InitFunctions();
}

void Evaluate(benchmark::State &state, const std::string &text) {
    Fresh();
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::EvaluateExpression(text));
    if (calc::FirstError != -1)
        state.SkipWithError("the expression reported an error");
    state.SetLabel(std::to_string(text.size()) + " characters");
}

void Call(benchmark::State &state, const std::string &name, const calc::TExtendedArray &args) {
    Fresh();
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::CallFunction(name, args));
    if (calc::FirstError != -1)
        state.SkipWithError("the call reported an error");
}

void Typed200(benchmark::State &state, const std::string &term, const std::string &separator) {
    Evaluate(state, Repeat(term, separator, 200));
}

void NestedBrackets(benchmark::State &state) {
    Evaluate(state, Nested(static_cast<std::size_t>(state.range(0))));
    state.SetComplexityN(state.range(0));
}

// Plain loops with the arithmetic of the built-ins, without checks or text.
void PlainFactorialLoop(benchmark::State &state) {
    for (auto _ : state) {
        long double product = 1;
        for (long double factor = 1; factor <= 1754; factor += 1)
            product *= factor;
        benchmark::DoNotOptimize(product);
    }
}

void PlainFibonacciLoop(benchmark::State &state) {
    for (auto _ : state) {
        long double a = 0, b = 1, r = 0;
        for (int i = 2; i <= 23601; ++i) {
            r = a + b;
            (i % 2 == 0 ? a : b) = r;
        }
        benchmark::DoNotOptimize(r);
    }
}

void PlainStdDevLoop(benchmark::State &state) {
    const calc::TExtendedArray values = ListValues(10000);
    for (auto _ : state) {
        long double sum = 0;
        for (const long double v : values)
            sum += v;
        const long double mean = sum / static_cast<long double>(values.size());
        long double squares = 0;
        for (const long double v : values)
            squares += (v - mean) * (v - mean);
        benchmark::DoNotOptimize(sqrtl(squares / static_cast<long double>(values.size())));
    }
}

} // namespace

BENCHMARK_CAPTURE(Typed200, Thirds, std::string("1/3"), std::string("+"));
BENCHMARK_CAPTURE(Typed200, PiAndE, std::string("Pi+Pi*e"), std::string("+"));
BENCHMARK_CAPTURE(Typed200, Sines, std::string("sin(1)"), std::string("+"));
BENCHMARK_CAPTURE(Typed200, SquareRoots, std::string("sqrt(2)"), std::string("*"));
BENCHMARK_CAPTURE(Typed200, Powers, std::string("2^3"), std::string("+"));

BENCHMARK(NestedBrackets)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Candidates for the slowest paste the answer box can hold.
BENCHMARK_CAPTURE(Evaluate, PasteNested, Nested(kLongestPaste))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, PasteGroups, Repeat("(1)", "+", kLongestPaste))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, PasteCalls, Repeat("sin(1)", "+", kLongestPaste))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, PasteThirds, Repeat("1/3", "+", kLongestPaste))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, PastePowers, Repeat("2^1", "*", kLongestPaste))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, PasteFactorials, Repeat("3!", "+", kLongestPaste))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Evaluate, MdOf10000Typed, ListCall("Md", 10000))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, ModefreqOf10000Typed, ListCall("modefreq", 10000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Call, MdOf10000, std::string("Md"), ListValues(10000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Call, Q1Of10000, std::string("Q1"), ListValues(10000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Call, ModefreqOf10000, std::string("modefreq"), ListValues(10000))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Call, FactOf1754, std::string("fact"), calc::TExtendedArray{1754})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainFactorialLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Call, FibonacciOf23601, std::string("fibonacci"), calc::TExtendedArray{23601})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainFibonacciLoop)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Call, SdOf10000, std::string("SD"), ListValues(10000))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainStdDevLoop)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
