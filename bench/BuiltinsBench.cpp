// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the prime and GCD built-ins on large arguments, typed as a user would.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "calc/detail/OperatorLevel.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void Evaluate(benchmark::State &state, const std::string &text) {
    calc::InitVariables();
    calc::InitFunctions();
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::EvaluateExpression(text));
    if (calc::FirstError != -1)
        state.SkipWithError("the expression reported an error");
}

// The call alone, without the text handling around it.
void Call(benchmark::State &state, const std::string &name, const calc::TExtendedArray &args) {
    calc::InitVariables();
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::CallFunction(name, args));
}

} // namespace

BENCHMARK_CAPTURE(Evaluate, IsPrimeLargestBelowBound, std::string("IsPrime(199999999999999949)"));
BENCHMARK_CAPTURE(Evaluate, NextPrimeOf1E17, std::string("NextPrime(1E17)"));
BENCHMARK_CAPTURE(Evaluate, PrimeOf1E7, std::string("prime(10000000)"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, PrimeOfLargestIndex, std::string("prime(2147483647)"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Evaluate, GcdNear2To62,
                  std::string("GCD(4611686018427387900;4611686018427387500)"));
// The cost of the text handling around a call, for comparison.
BENCHMARK_CAPTURE(Evaluate, AbsOfAnEighteenDigitValue, std::string("abs(461168601842738790)"));
BENCHMARK_CAPTURE(Call, IsPrimeLargestBelowBound, std::string("IsPrime"),
                  calc::TExtendedArray{199999999999999949.0L});
BENCHMARK_CAPTURE(Call, NextPrimeOf1E17, std::string("NextPrime"), calc::TExtendedArray{1e17L});
BENCHMARK_CAPTURE(Call, GcdNear2To62, std::string("GCD"),
                  calc::TExtendedArray{4611686018427387900.0L, 4611686018427387500.0L});
BENCHMARK_CAPTURE(Call, GcdOfNeighbouringFibonacciNumbers, std::string("GCD"),
                  calc::TExtendedArray{7540113804746346429.0L, 4660046610375530309.0L});

BENCHMARK_MAIN();
