// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime layer: checked arithmetic, integer conversions, code page, random draws.
#include "runtime/Checked.h"
#include "runtime/Cp1252.h"
#include "runtime/Faults.h"
#include "runtime/IntText.h"
#include "runtime/Random.h"
#include "runtime/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

using namespace runtime;

TEST(CheckedArithmetic, RaisesTheFaultThatTheProcessorFlags) {
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_THROW(Divide(1, 0), EZeroDivide);
    EXPECT_THROW(Divide(0, 0), EInvalidOp);
    EXPECT_THROW(Multiply(1e4000L, 1e4000L), EOverflow);
    EXPECT_THROW(Sqrt(-1), EInvalidOp);
    EXPECT_THROW(Ln(0), EZeroDivide);
    EXPECT_THROW(Ln(-1), EInvalidOp);
    EXPECT_THROW(Exp(20000), EOverflow);
    EXPECT_THROW(Sin(inf), EInvalidOp);
    EXPECT_THROW(Subtract(inf, inf), EInvalidOp);
}

TEST(CheckedArithmetic, UnderflowAndInexactStaySilent) {
    EXPECT_EQ(Divide(1, 3) * 3, Multiply(Divide(1, 3), 3));
    EXPECT_GE(Multiply(1e-4000L, 1e-4000L), 0);
    EXPECT_EQ(Exp(-20000), 0);
    EXPECT_EQ(Add(0.5L, 0.25L), 0.75L);
    EXPECT_EQ(Sqrt(16), 4);
}

TEST(Rounding, TiesGoToEvenAndTruncationTowardsZero) {
    struct Row {
        Extended x;
        std::int64_t rounded, truncated;
    };
    for (const Row &row :
         {Row{2.5L, 2, 2}, Row{3.5L, 4, 3}, Row{-2.5L, -2, -2}, Row{-2.7L, -3, -2},
          Row{0.49999L, 0, 0},
          Row{9223372036854775807.0L, 9223372036854775807LL, 9223372036854775807LL}}) {
        SCOPED_TRACE(static_cast<double>(row.x));
        EXPECT_EQ(RoundToInt64(row.x), row.rounded);
        EXPECT_EQ(TruncToInt64(row.x), row.truncated);
    }
}

TEST(Rounding, ValuesThatDoNotFitRaiseInvalidOperation) {
    EXPECT_THROW(RoundToInt64(9223372036854775808.0L), EInvalidOp);
    EXPECT_THROW(TruncToInt64(-1e19L), EInvalidOp);
    EXPECT_THROW(RoundToInt64(std::numeric_limits<Extended>::quiet_NaN()), EInvalidOp);
    EXPECT_THROW(RoundToInt32(2147483647.5L), EInvalidOp); // rounds to the even 2147483648
    EXPECT_EQ(RoundToInt32(-2147483648.4L), -2147483647 - 1);
    EXPECT_EQ(TruncToInt32(2147483647.9L), 2147483647);
    EXPECT_THROW(TruncToInt32(2147483648.0L), EInvalidOp);
}

TEST(IntText, ReadsOnlyPlainDecimalIntegersInThe32BitRange) {
    struct Row {
        const char *text;
        bool valid;
        std::int32_t value;
    };
    for (const Row &row :
         {Row{"0", true, 0}, Row{"  42", true, 42}, Row{"+7", true, 7},
          Row{"-2147483648", true, -2147483647 - 1}, Row{"2147483647", true, 2147483647},
          Row{"007", true, 7}, Row{"2147483648", false, 0}, Row{"-2147483649", false, 0},
          Row{"", false, 0}, Row{" ", false, 0}, Row{"-", false, 0}, Row{"12 ", false, 0},
          Row{"1.5", false, 0}, Row{"1E3", false, 0}, Row{"$10", false, 0}, Row{"\t5", false, 0},
          Row{"99999999999999999999", false, 0}}) {
        SCOPED_TRACE(row.text);
        std::int32_t value = -99;
        EXPECT_EQ(TryStrToInt(row.text, value), row.valid);
        if (row.valid)
            EXPECT_EQ(value, row.value);
        else
            EXPECT_THROW(StrToInt(row.text), EConvertError);
    }
}

TEST(IntText, ConvertErrorQuotesTheText) {
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << b;
    }
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xD7\x80"), "\xC3\xA4\xC3\xB6\xC3\x97\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x88\x9A"), "?"); // the square-root sign has no byte
}

TEST(Random, DrawsCoverTheRangeAndRepeatForASeed) {
    RandSeed(1);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t v = RandomRange(-3, 3);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 3);
        seen.insert(v);
        const Extended u = RandomReal();
        ASSERT_GE(u, 0);
        ASSERT_LT(u, 1);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(1), 0);

    RandSeed(42);
    const std::int32_t first = Random(1000000);
    RandSeed(42);
    EXPECT_EQ(Random(1000000), first);
}
