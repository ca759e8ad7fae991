// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of evaluating expressions, from a plain number to texts of 10,000 characters.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"

#include "runtime/DecimalSeparator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A mix of brackets, powers, products and sums of about the given length.
std::string Mixed(std::size_t length) {
    static const std::string piece = "(2.5+3)^2*4-(7/2+1)*[3-1]+{2^3}/4+";
    std::string text;
    while (text.size() + piece.size() < length)
        text += piece;
    while (text.size() + 2 < length)
        text += "1+";
    return text + "1";
}

void Evaluate(benchmark::State &state, const std::string &text) {
    runtime::SetDecimalSeparator('.');
    calc::InitVariables();
    calc::InitFunctions();
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::EvaluateExpression(text));
    state.SetLabel(std::to_string(text.size()) + " characters");
    state.SetComplexityN(static_cast<benchmark::IterationCount>(text.size()));
}

void BM_Number(benchmark::State &state) {
    Evaluate(state, "42");
}
void BM_SmallPower(benchmark::State &state) {
    Evaluate(state, "2^5");
}
void BM_Typed60(benchmark::State &state) {
    Evaluate(state, Mixed(60));
}
void BM_Typed200(benchmark::State &state) {
    Evaluate(state, Mixed(200));
}
void BM_Mixed(benchmark::State &state) {
    Evaluate(state, Mixed(static_cast<std::size_t>(state.range(0))));
}
void BM_Nested(benchmark::State &state) {
    const auto depth = static_cast<std::size_t>(state.range(0)) / 2;
    Evaluate(state, std::string(depth, '(') + "1" + std::string(depth, ')'));
}

BENCHMARK(BM_Number);
BENCHMARK(BM_SmallPower);
BENCHMARK(BM_Typed60);
BENCHMARK(BM_Typed200);
BENCHMARK(BM_Mixed)->Arg(1000)->Arg(2000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Nested)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
