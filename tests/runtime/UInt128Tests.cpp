// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The portable 128-bit integer against the compiler's own, operation by operation.
#include "runtime/UInt128.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#if defined(__SIZEOF_INT128__)

namespace {

using Portable = runtime::portable::UInt128;
__extension__ typedef unsigned __int128 Native;

Portable ToPortable(Native x) {
    return {static_cast<std::uint64_t>(x >> 64), static_cast<std::uint64_t>(x)};
}

::testing::AssertionResult Same(Portable got, Native want) {
    if (got.High() == static_cast<std::uint64_t>(want >> 64) &&
        got.Low() == static_cast<std::uint64_t>(want))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hex << got.High() << ":" << got.Low() << " instead of "
           << static_cast<std::uint64_t>(want >> 64) << ":" << static_cast<std::uint64_t>(want);
}

// Random values of every width, and the edges where carries and borrows happen.
std::vector<Native> Operands() {
    std::mt19937_64 random(1288);
    std::vector<Native> values = {0,
                                  1,
                                  2,
                                  ~std::uint64_t{0},
                                  Native{1} << 64,
                                  ~Native{0},
                                  (Native{1} << 127),
                                  (Native{1} << 64) - 1};
    for (int i = 0; i < 300; ++i) {
        const Native wide = (static_cast<Native>(random()) << 64) | random();
        values.push_back(wide >> (random() % 128));
    }
    return values;
}

TEST(UInt128, PortableArithmeticMatchesTheBuiltInType) {
    const std::vector<Native> operands = Operands();
    for (const Native a : operands) {
        for (int n = 0; n < 128; n += 7) {
            EXPECT_TRUE(Same(ToPortable(a) << n, a << n));
            EXPECT_TRUE(Same(ToPortable(a) >> n, a >> n));
        }
        for (std::size_t j = 0; j < operands.size(); j += 5) {
            const Native b = operands[j];
            const Portable pa = ToPortable(a), pb = ToPortable(b);
            EXPECT_TRUE(Same(pa + pb, a + b));
            EXPECT_TRUE(Same(pa - pb, a - b));
            EXPECT_TRUE(Same(pa * pb, a * b));
            EXPECT_TRUE(Same(pa & pb, a & b));
            EXPECT_TRUE(Same(pa | pb, a | b));
            EXPECT_EQ(pa < pb, a < b);
            EXPECT_EQ(pa == pb, a == b);
            EXPECT_EQ(pa >= pb, a >= b);
            if (b != 0) {
                EXPECT_TRUE(Same(pa / pb, a / b));
                EXPECT_TRUE(Same(pa % pb, a % b));
            }
        }
        const auto low = static_cast<std::uint64_t>(a), high = static_cast<std::uint64_t>(a >> 64);
        EXPECT_TRUE(Same(Portable::Product(low, high), static_cast<Native>(low) * high));
    }
}

TEST(UInt128, ChosenTypeGivesTheFullProductAndItsHalves) {
    const runtime::UInt128 product = runtime::Multiply64(~std::uint64_t{0}, ~std::uint64_t{0});
    EXPECT_EQ(runtime::High64(product), ~std::uint64_t{0} - 1);
    EXPECT_EQ(runtime::Low64(product), 1u);
    EXPECT_EQ(runtime::High64(runtime::MakeUInt128(7, 9)), 7u);
    EXPECT_EQ(runtime::Low64(runtime::MakeUInt128(7, 9)), 9u);
}

} // namespace

#endif
