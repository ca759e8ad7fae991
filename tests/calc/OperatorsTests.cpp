// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The operator level and its routines: precedence, operand extents, powers, factorials,
// sign folding and the splitting of argument lists.
#include "CalcFixture.h"

#include <cmath>
#include <limits>

namespace calc::testing {
namespace {

using Operators = CalcFixtureSep;

TEST_P(Operators, PrecedenceAssociativityAndSigns) {
    CheckRows({
        {"2+3*4", "14"},
        {"10/2/5", "1"},
        {"8/2*4", "16"},
        {"10-2-3", "5"},
        {"2^3^2", "64"},
        {"2^3!", "64"},
        {"3!!", "720"},
        {"1+2*3!^2", "73"},
        {"-3!", "-6"},
        {"-2^2", "-4"},
        {"2^-1", "0.5"},
        {"2*-3", "-6"},
        {"2-(-3)", "5"},
        {"-2*-3", "6"},
        {"6/-2", "-3"},
        {"2^-2^2", "0.0625"},
        // A result taken by a further "!" or "^" counts whole, sign and exponent included.
        {"(-2)^3^2", "64"},
        {"10^20^2", "1E40"},
        {"0.1^4^2", "1E-8"},
        {"2^2^2^2^2^2^2^2", "3.40282366920938463E38"},
        {"3!^2", "36"},
        {"20!!", "0", errNotReal},
    });
}

// Pairs that must agree catch a slip in precedence or associativity cheaply.
TEST_P(Operators, EquivalentTextsAgree) {
    const std::pair<const char *, const char *> pairs[] = {
        {"2^3^2", "(2^3)^2"},         {"10/2/5", "(10/2)/5"}, {"10-2-3", "(10-2)-3"},
        {"-2^2", "-(2^2)"},           {"2^3!", "2^(3!)"},     {"(-3)^3^2", "((-3)^3)^2"},
        {"1+2*3^2!", "1+2*(3^(2!))"},
    };
    for (const auto &[left, right] : pairs) {
        SCOPED_TRACE(std::string(left) + " = " + right);
        EXPECT_EQ(Eval(left).value, Eval(right).value);
        EXPECT_EQ(FirstError, -1);
    }
}

TEST_P(Operators, OperandExtents) {
    CheckRows({
        {"2E2^2", "20000"},
        {"1E3!", "1000000"},
        {"1E5", "100000"},
        {"2*1E5", "200000"},
        {"1E+5", "6"},
        {"1.5E1*2", "30"},
        {"2*1E-1", "0.2"},
        {"5~3", "2"},
        {"0.5^2", "0.25"},
    });
}

TEST_P(Operators, PowersFollowTheirCases) {
    CheckRows({
        {"0^0", "1"},
        {"0^2", "0"},
        {"(-2)^3", "-8"},
        {"(-2)^-2", "0.25"},
        {"2^0.5", "1.41421356237309505"},
        {"4^0.5", "2"},
        {"0^-1", "0", errDivisionByZero},
        {"0^-0.5", "0", errDivisionByZero},
        {"(-8)^(1/3)", "0", errNotReal},
        {"2^100000", "0", errNotReal},
        {"10^4933", "0", errNotReal},
        {"10^4932", "9.99999999999999997E4931"},
        {"0.5^100000", "0"},
        {"2^-16000", FormatResult(false, std::pow(2.0L, -16000.0L))},
        {"1^1E30", "1"},
    });
}

TEST_P(Operators, FactorialsOfNaturalNumbersOnly) {
    CheckRows({
        {"0!", "1"},
        {"1!", "1"},
        {"5!", "120"},
        {"18!", "6402373705728000"},
        {"20!", "2.43290200817664E18"},
        {"2.5!", "1", errNaturalExpected},
        {"1755!", "0", errNotReal},
        {"(1E10)!", "0", errNotReal},
        // Only the factor digits before "!" are its operand: 1E(10!) has too many exponent digits.
        {"1E10!", "0", errUnknown},
    });
    const Evaluation largest = Eval("1754!");
    EXPECT_EQ(largest.firstError, -1);
    EXPECT_TRUE(std::isfinite(largest.value));
    EXPECT_EQ(FormatResult(true, largest.value), Local("1.97926189011E4930"));
}

CALC_BOTH_SEPARATORS(Operators);

using OperatorRoutines = CalcFixture;

TEST_F(OperatorRoutines, FoldSignsPairsFromTheLeft) {
    const std::pair<std::string, std::string> rows[] = {
        {"---5", "-5"},  {"++5", "5"},      {"2+-3", "2+-3"}, {"2-+3", "2-+3"},
        {"----", ""},    {"+", ""},         {"", ""},         {"+++-", "-"},
        {"1--2", "1+2"}, {"1---2", "1+-2"}, {"-+-", "-+-"},   {"a++--b", "a+b"},
    };
    for (const auto &[input, folded] : rows) {
        SCOPED_TRACE(input);
        std::string text = input;
        FoldSigns(text);
        EXPECT_EQ(text, folded);
    }
}

TEST_F(OperatorRoutines, PowerRaisesTheProcessorFaults) {
    EXPECT_EQ(Power(0, 0), 1);
    EXPECT_EQ(Power(3, -2), 1.0L / 9);
    EXPECT_EQ(Power(-3, 3), -27);
    EXPECT_EQ(Power(1e3000L, 1), 1e3000L);
    EXPECT_EQ(Power(2, 63), 9223372036854775808.0L);
    EXPECT_THROW(Power(0, -1), runtime::EZeroDivide);
    EXPECT_THROW(Power(0, -0.5L), runtime::EZeroDivide);
    EXPECT_THROW(Power(-8, 1.0L / 3), runtime::EInvalidOp);
    EXPECT_THROW(Power(2, 2147483647.0L), runtime::EOverflow);
    EXPECT_THROW(Power(2, 1e30L), runtime::EOverflow);
    EXPECT_EQ(Power(0.5L, 2147483648.0L), 0);
}

TEST_F(OperatorRoutines, AritOpReportsAnUnknownOperation) {
    EXPECT_EQ(AritOp(TArithOperation::aoSubtract, 5, 3), 2);
    EXPECT_EQ(AritOp(TArithOperation::aoDivide, 1, 4), 0.25L);
    EXPECT_THROW(AritOp(TArithOperation::aoDivide, 1, 0), runtime::EZeroDivide);
    EXPECT_EQ(AritOp(static_cast<TArithOperation>(9), 5, 3), 5);
    EXPECT_EQ(FirstError, errCannotCompute);
    EXPECT_EQ(FirstErrorMessage, "Det gick inte att ber\xE4kna AritOp av det angivna argumentet.");
}

TEST_F(OperatorRoutines, FactorialNamesItsCallerInTheReport) {
    EXPECT_EQ(Factorial(-1, "C"), 1);
    EXPECT_EQ(FirstErrorMessage,
              "Ett naturligt tal f\xF6rv\xE4ntades som argument till funktionen C.");
    EXPECT_THROW(Factorial(std::numeric_limits<Extended>::quiet_NaN(), "P"), runtime::EAbort);
}

TEST_F(OperatorRoutines, SplitArgumentsGivesOneValuePerPart) {
    struct SplitRow {
        std::string list;
        TExtendedArray values;
        int error;
    };
    const SplitRow rows[] = {
        {"1;2;3", {1, 2, 3}, -1},
        {"-1.5", {-1.5L}, -1},
        {"", {0}, errNotReal},
        {"1;", {1, 0}, errNotReal},
        {"1;x;3", {1, 0, 3}, errNotReal},
        {";", {0, 0}, -1 /* aborts: see below */},
    };
    for (const SplitRow &row : rows) {
        SCOPED_TRACE(row.list);
        ResetErrorState(true);
        if (row.list == ";") {
            EXPECT_THROW(SplitArguments(row.list), runtime::EAbort);
            continue;
        }
        EXPECT_EQ(SplitArguments(row.list), row.values);
        EXPECT_EQ(FirstError, row.error);
    }
}

TEST_F(OperatorRoutines, EvaluateOperatorsLeavesFailuresToItsCaller) {
    EXPECT_EQ(EvaluateOperators("2+3*4"), 14);
    EXPECT_EQ(EvaluateOperators("{-2}^2"), 4);
    EXPECT_EQ(EvaluateOperators("{-3}!*2"), 2);
    EXPECT_EQ(FirstError, errNaturalExpected);
    ResetErrorState(true);
    EXPECT_THROW(EvaluateOperators("abc"), runtime::EConvertError);
    EXPECT_THROW(EvaluateOperators("1/0"), runtime::EZeroDivide);
    EXPECT_THROW(EvaluateOperators("1}!"), runtime::EConvertError);
    EXPECT_EQ(EvaluateOperators("sum[1;2"), 1);
    EXPECT_EQ(EvaluateOperators("abs[-4]"), 4);
}

} // namespace
} // namespace calc::testing
