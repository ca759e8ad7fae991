// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric routines behind the statistics, prime, GCD and Fibonacci built-ins.
#pragma once

#include "calc/NumCalc.h"

#include <cstdint>

namespace calc {

// Linear scans; the first of equal extremes wins. Sum and product go in list order and
// raise on overflow.
Extended ListMin(const TExtendedArray &list);
Extended ListMax(const TExtendedArray &list);
Extended ListSum(const TExtendedArray &list);
Extended ListProduct(const TExtendedArray &list);

// Removes and returns the smallest value (its first position when repeated).
Extended ExtractMin(TExtendedArray &list);
TExtendedArray SortAscending(const TExtendedArray &list);

// On an ascending, non-empty list; an odd list's middle value belongs to neither half.
Extended LowerQuartile(const TExtendedArray &sorted);
Extended MedianOfSorted(const TExtendedArray &sorted);
Extended UpperQuartile(const TExtendedArray &sorted);

// Element i: how many elements equal element i in all 80 bits.
TExtendedArray ValueFrequencies(const TExtendedArray &list);

Extended StdDevPopulation(const TExtendedArray &list);
// -1 for a single value.
Extended StdDevSample(const TExtendedArray &list);

// Exact for every integral x that has a 64-bit form.
bool IsPrime(Extended x);
Extended NextPrime(Extended x);
// x at least 2.
Extended PrevPrime(Extended x);
// The n-th prime, NthPrime(1) = 2; 0 for n <= 0.
Extended NthPrime(std::int32_t n);

TExtendedArray NonZeroMagnitudes(const TExtendedArray &list);
// The greatest common divisor of integral values; raises when every value is 0, and when a
// value has no 64-bit form unless the smallest non-zero magnitude is 1.
std::uint64_t ListGCD(const TExtendedArray &list);

// F(0) = 0, F(1) = 1, summed in extended precision; raises EOverflow from n = 23602 on.
Extended Fibonacci(std::int32_t n);

} // namespace calc
