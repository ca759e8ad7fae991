// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric library: list statistics, primes against trial division, GCD against trial
// division, Fibonacci numbers.
#include "calc/NumLib.h"

#include "runtime/Faults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace calc;

namespace {

// The plain method: every d from 2 to the integer square root.
bool IsPrimeByTrial(std::uint64_t x) {
    if (x < 2)
        return false;
    for (std::uint64_t d = 2; d * d <= x; ++d)
        if (x % d == 0)
            return false;
    return true;
}

// The plain method: the largest d up to the smallest non-zero magnitude dividing all values.
std::uint64_t GcdByTrial(const std::vector<std::int64_t> &values) {
    std::uint64_t m = 0;
    for (const std::int64_t v : values) {
        const std::uint64_t magnitude =
            v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        if (magnitude != 0 && (m == 0 || magnitude < m))
            m = magnitude;
    }
    std::uint64_t result = 1;
    for (std::uint64_t d = 2; d <= m; ++d) {
        bool all = true;
        for (const std::int64_t v : values)
            all = all && v % static_cast<std::int64_t>(d) == 0;
        if (all)
            result = d;
    }
    return result;
}

TExtendedArray Extendeds(const std::vector<std::int64_t> &values) {
    TExtendedArray list;
    for (const std::int64_t v : values)
        list.push_back(static_cast<Extended>(v));
    return list;
}

std::string Show(const TExtendedArray &list) {
    std::string text;
    for (const Extended v : list)
        text += std::to_string(static_cast<double>(v)) + " ";
    return text;
}

} // namespace

TEST(ListStatistics, EmptyListsAndOverflow) {
    EXPECT_EQ(ListSum({}), 0);
    EXPECT_EQ(ListProduct({}), 1);
    EXPECT_TRUE(SortAscending({}).empty());
    EXPECT_TRUE(ValueFrequencies({}).empty());
    EXPECT_THROW(ListMin({}), runtime::Exception);
    EXPECT_THROW(ListSum({1e4932L, 1e4932L}), runtime::EOverflow);
    EXPECT_THROW(StdDevPopulation({1e3000L, -1e3000L}), runtime::EOverflow);
}

TEST(ListStatistics, TheFirstOfEqualExtremesWins) {
    // +0 and -0 are equal values that can still be told apart.
    EXPECT_FALSE(std::signbit(ListMin({0.0L, -0.0L})));
    EXPECT_TRUE(std::signbit(ListMin({-0.0L, 0.0L, 1})));
    EXPECT_FALSE(std::signbit(ListMax({0.0L, -1, -0.0L})));
    EXPECT_TRUE(std::signbit(ListMax({-0.0L, 0.0L})));
    TExtendedArray work = {1, -0.0L, 0.0L};
    EXPECT_TRUE(std::signbit(ExtractMin(work)));
    EXPECT_EQ(work, (TExtendedArray{1, 0}));
    EXPECT_FALSE(std::signbit(work[1]));
}

TEST(ListStatistics, SumsInListOrder) {
    // 1 + 2^-64 is lost when added first, kept when the small values meet first.
    const Extended tiny = std::ldexp(Extended(1), -64);
    EXPECT_EQ(ListSum({1, tiny, tiny}), 1);
    EXPECT_GT(ListSum({tiny, tiny, 1}), 1);
}

TEST(ListStatistics, SortsByRepeatedMinimumExtraction) {
    TExtendedArray work = {5, 1, 4, 1};
    EXPECT_EQ(ExtractMin(work), 1);
    EXPECT_EQ(work, (TExtendedArray{5, 4, 1}));
    EXPECT_EQ(SortAscending({3, -1, 2, -1, 0}), (TExtendedArray{-1, -1, 0, 2, 3}));
}

TEST(ListStatistics, QuartilesAndMedianOfTheWorkedTable) {
    struct Row {
        TExtendedArray values;
        Extended q1, md, q3;
    };
    const Row rows[] = {
        {{3}, 3, 3, 3},
        {{2, 1}, 1, 1.5L, 2},
        {{3, 1, 2}, 1, 2, 3},
        {{7, 1, 5, 3}, 2, 4, 6},
        {{5, 4, 3, 2, 1}, 1.5L, 3, 4.5L},
        {{1, 2, 3, 4, 5, 6}, 2, 3.5L, 5},
        {{4, 1, 7, 2, 6, 3, 5}, 2, 4, 6},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(Show(row.values));
        const TExtendedArray sorted = SortAscending(row.values);
        EXPECT_EQ(LowerQuartile(sorted), row.q1);
        EXPECT_EQ(MedianOfSorted(sorted), row.md);
        EXPECT_EQ(UpperQuartile(sorted), row.q3);
    }
}

TEST(ListStatistics, ValueFrequenciesCountEqualValues) {
    EXPECT_EQ(ValueFrequencies({1, 2, 2, 3, 3, 3}), (TExtendedArray{1, 2, 2, 3, 3, 3}));
    // Values that agree as doubles but not in all 80 bits are different values.
    EXPECT_EQ(ValueFrequencies({1, 1 + std::ldexp(Extended(1), -60)}), (TExtendedArray{1, 1}));
}

TEST(Primes, IsPrimeAgreesWithTrialDivisionBelowOneMillion) {
    for (std::uint64_t x = 0; x < 1000000; ++x)
        ASSERT_EQ(IsPrime(static_cast<Extended>(x)), IsPrimeByTrial(x)) << x;
}

TEST(Primes, IsPrimeAgreesWithTrialDivisionInWindowsAtTheLargeEnd) {
    struct Window {
        std::uint64_t from, count;
    };
    for (const Window w : {Window{1000000000000ULL - 1000, 2000},
                           Window{100000000000000ULL - 200, 400}, Window{4294967296ULL, 2000}}) {
        for (std::uint64_t x = w.from; x < w.from + w.count; ++x)
            ASSERT_EQ(IsPrime(static_cast<Extended>(x)), IsPrimeByTrial(x)) << x;
    }
}

TEST(Primes, StrongPseudoprimesAndKnownValuesNearTheBound) {
    struct Row {
        std::uint64_t x;
        bool prime;
    };
    const Row rows[] = {
        // Strong pseudoprimes to the first prime bases, one at each base-count step.
        {2047ULL, false},
        {1373653ULL, false},
        {25326001ULL, false},
        {3215031751ULL, false},
        {2152302898747ULL, false},
        {3474749660383ULL, false},
        {341550071728321ULL, false},
        {3825123056546413051ULL, false},
        {561ULL, false}, // Carmichael
        {1000000007ULL, true},
        {2147483647ULL, true},
        {4611686018427387847ULL, true},         // the largest prime below 2^62
        {2147483647ULL * 2147483629ULL, false}, // two primes near 2^31
        {447213589ULL * 447213607ULL, false},   // two primes near the root of the bound
        {199999999999999949ULL, true},          // the largest prime below 2*10^17
        {199999999999999983ULL, false},
        {9223372036854775783ULL, true}, // the largest prime below 2^63
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(IsPrime(static_cast<Extended>(row.x)), row.prime);
    }
}

TEST(Primes, NextAndPrevPrimeAgreeWithTrialDivision) {
    for (std::uint64_t x = 0; x < 20000; ++x) {
        std::uint64_t next = x;
        while (!IsPrimeByTrial(next))
            ++next;
        ASSERT_EQ(NextPrime(static_cast<Extended>(x)), static_cast<Extended>(next)) << x;
        if (x >= 2) {
            std::uint64_t prev = x;
            while (!IsPrimeByTrial(prev))
                --prev;
            ASSERT_EQ(PrevPrime(static_cast<Extended>(x)), static_cast<Extended>(prev)) << x;
        }
    }
    EXPECT_EQ(PrevPrime(199999999999999999.0L), 199999999999999949.0L);
    EXPECT_EQ(NextPrime(199999999999999950.0L), PrevPrime(200000000000000100.0L));
    EXPECT_GT(NextPrime(199999999999999950.0L), 200000000000000000.0L);
    EXPECT_EQ(NextPrime(9223372036854775784.0L), 9223372036854775837.0L); // above 2^63
    EXPECT_THROW(PrevPrime(1), runtime::Exception);
}

TEST(Primes, NthPrimeCountsFromTwo) {
    std::vector<std::uint64_t> primes;
    for (std::uint64_t x = 2; primes.size() < 3000; ++x)
        if (IsPrimeByTrial(x))
            primes.push_back(x);
    for (std::size_t i = 0; i < primes.size(); ++i)
        ASSERT_EQ(NthPrime(static_cast<std::int32_t>(i + 1)), static_cast<Extended>(primes[i]))
            << i + 1;
    EXPECT_EQ(NthPrime(0), 0);
    EXPECT_EQ(NthPrime(-5), 0);
}

TEST(Primes, NthPrimeReferenceValuesUpToTheLargestIndex) {
    EXPECT_EQ(NthPrime(1000000), 15485863);
    EXPECT_EQ(NthPrime(100000000), 2038074743);
    EXPECT_EQ(NthPrime(2147483647), 50685770143.0L);
}

TEST(Gcd, AgreesWithTrialDivision) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(1, 4), value(-360, 360);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::int64_t> values(static_cast<std::size_t>(length(random)));
        for (std::int64_t &v : values)
            v = value(random);
        bool anyNonZero = false;
        for (const std::int64_t v : values)
            anyNonZero = anyNonZero || v != 0;
        const TExtendedArray list = Extendeds(values);
        SCOPED_TRACE(Show(list));
        if (anyNonZero)
            EXPECT_EQ(ListGCD(list), GcdByTrial(values));
        else
            EXPECT_THROW(ListGCD(list), runtime::Exception);
    }
}

TEST(Gcd, AgreesWithTrialDivisionWhenOtherValuesAreLarge) {
    // The trial method stops at the smallest magnitude, so it can check 64-bit partners.
    std::mt19937_64 random(11);
    std::uniform_int_distribution<std::int64_t> factor(1, 60), small(1, 50),
        large(-(std::int64_t{1} << 56), std::int64_t{1} << 56);
    for (int round = 0; round < 400; ++round) {
        const std::int64_t g = factor(random);
        const std::vector<std::int64_t> values = {g * large(random), g * small(random),
                                                  g * large(random), 0};
        const TExtendedArray list = Extendeds(values);
        SCOPED_TRACE(Show(list));
        EXPECT_EQ(ListGCD(list), GcdByTrial(values));
    }
}

TEST(Gcd, LargeMagnitudes) {
    struct Row {
        TExtendedArray list;
        std::uint64_t gcd;
    };
    const Row rows[] = {
        {{-7}, 7},
        {{4611686018427387904.0L, 4611686018427387902.0L}, 2},
        {{4611686018427387847.0L, -4611686018427387847.0L}, 4611686018427387847ULL},
        {{3221225472.0L, 2147483648.0L}, 1073741824ULL}, // 3*2^30 and 2^31
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(Show(row.list));
        EXPECT_EQ(ListGCD(row.list), row.gcd);
    }
    EXPECT_THROW(ListGCD({2, 1e30L}), runtime::EInvalidOp);
    EXPECT_EQ(NonZeroMagnitudes({0, -3, 2, 0}), (TExtendedArray{3, 2}));
}

TEST(FibonacciNumbers, ExactUpTo93AndOverflowFrom23602) {
    std::uint64_t a = 0, b = 1;
    for (std::int32_t n = 0; n <= 93; ++n) {
        ASSERT_EQ(Fibonacci(n), static_cast<Extended>(a)) << n;
        const std::uint64_t next = a + b;
        a = b;
        b = next;
    }
    EXPECT_EQ(Fibonacci(93), 12200160415121876738.0L);
    EXPECT_TRUE(std::isfinite(Fibonacci(23601)));
    EXPECT_GT(Fibonacci(23601), 1e4931L);
    EXPECT_THROW(Fibonacci(23602), runtime::EOverflow);
    EXPECT_THROW(Fibonacci(2147483647), runtime::EOverflow);
}
