// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's own prime counting: known counts and primes on every build, and where
// libprimecount is there, agreement with it over many random arguments.
#include "calc/PrimeCount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#if QUINTARA_HAVE_PRIMECOUNT
#include <primecount.hpp>
#endif

using namespace calc;

namespace {

struct Known {
    std::uint64_t argument;
    std::uint64_t value;
};

TEST(PrimeCount, CountsUpToPowersOfTen) {
    const Known rows[] = {
        {0, 0},
        {1, 0},
        {2, 1},
        {10, 4},
        {100, 25},
        {999, 168},
        {1000, 168},
        {1001, 168},
        {10000, 1229},
        {100000, 9592},
        {1000000, 78498},
        {10000000, 664579},
        {100000000, 5761455},
        {1000000000, 50847534},
        {10000000000, 455052511},
        {100000000000, 4118054813},
    };
    for (const Known &row : rows) {
        SCOPED_TRACE(row.argument);
        EXPECT_EQ(CountPrimes(row.argument), row.value);
    }
}

TEST(PrimeCount, NthPrimeAcrossTheWayItIsFound) {
    // Below 10000 from one sieve, from there by counting to an estimate and walking.
    const Known rows[] = {
        {1, 2},
        {2, 3},
        {25, 97},
        {9999, 104723},
        {10000, 104729},
        {10001, 104743},
        {1000000, 15485863},
        {50847534, 999999937},
        {50847535, 1000000007},
        {2147483647, 50685770143},
        {4294967295, 104484802043},
    };
    for (const Known &row : rows) {
        SCOPED_TRACE(row.argument);
        EXPECT_EQ(NthPrimeByCounting(static_cast<std::uint32_t>(row.argument)), row.value);
    }
}

#if QUINTARA_HAVE_PRIMECOUNT
TEST(PrimeCount, AgreesWithLibprimecount) {
    primecount::set_num_threads(1);
    std::mt19937_64 random(17);
    for (int i = 0; i < 300; ++i) {
        // Every magnitude from a few to 2^35.
        const int bits = 2 + static_cast<int>(random() % 34);
        const std::uint64_t x = random() >> (64 - bits);
        SCOPED_TRACE(x);
        ASSERT_EQ(CountPrimes(x),
                  static_cast<std::uint64_t>(primecount::pi(static_cast<std::int64_t>(x))));
    }
    for (int i = 0; i < 40; ++i) {
        const int bits = 1 + static_cast<int>(random() % 31);
        const auto n = static_cast<std::uint32_t>(random() >> (64 - bits)) | 1u;
        SCOPED_TRACE(n);
        ASSERT_EQ(NthPrimeByCounting(n), static_cast<std::uint64_t>(primecount::nth_prime(n)));
    }
}
#endif

} // namespace
