// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in functions as a user types them: values, checks, faults and stored values.
#include "CalcFixture.h"

#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "calc/NumLib.h"
#include "runtime/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

using namespace calc;
using calc::testing::CalcFixture;
using calc::testing::CalcFixtureSep;

namespace {

constexpr Extended kPi = 3.14159265358979323846264338327950288L;

// A value as the calculator hands it on: written with 18 digits and read back.
Extended Through(Extended x) {
    return ParseReal(FormatResult(false, x));
}

struct Row {
    std::string text; // with "." as the decimal separator
    Extended value;
    int error; // the first error code, -1 for none
};

constexpr int kNone = -1;

class Builtins : public CalcFixtureSep {
  protected:
    void Check(const std::vector<Row> &rows) {
        for (const Row &row : rows) {
            Reset(GetParam());
            const std::string text = Local(row.text);
            SCOPED_TRACE(text);
            const auto outcome = Eval(text);
            EXPECT_FALSE(outcome.aborted);
            EXPECT_EQ(outcome.value, row.value);
            EXPECT_EQ(outcome.firstError, row.error);
        }
    }
    Extended Stored(const std::string &name) {
        Extended value = -12345;
        EXPECT_TRUE(GetVariable(name, value)) << name;
        return value;
    }
};

} // namespace

TEST_P(Builtins, Trigonometry) {
    Check({
        {"sin(0)", 0, kNone},
        {"cos(0)", 1, kNone},
        {"sin(9E18)", Through(std::sin(9e18L)), kNone},
        {"sin(1E19)", 0, kNone}, // 2^63 or more
        {"sin(-1E19)", 0, kNone},
        {"cos(1E19)", 0, kNone},
        {"cos(-9.3E18)", 0, kNone},
        {"cos(9E18)", Through(std::cos(9e18L)), kNone},
        {"tan(1)", Through(std::tan(1.0L)), kNone},
        {"cot(1)", Through(1 / std::tan(1.0L)), kNone},
        {"cot(0)", 0, errCannotCompute},
        {"arcsin(1)", Through(kPi / 2), kNone},
        {"arcsin(1.5)", 0, errCannotCompute},
        {"arccos(-1)", Through(kPi), kNone},
        {"arccos(2)", 0, errCannotCompute},
        {"arctan(1)", Through(kPi / 4), kNone},
        {"arccot(0)", Through(kPi / 2), kNone},
        {"arccot(-1E-16)", Through(kPi / 2), kNone},
        {"arccot(1.00000000000000001E-16)",
         Through(std::atan(1 / Value("1.00000000000000001E-16"))), kNone},
        {"arccot(2E-16)", Through(std::atan(1 / 2e-16L)), kNone},
        {"arccot(-1)", Through(-kPi / 4), kNone},
        {"DTR(180)", Value("3.14159265358979324"), kNone},
        {"RTD(Pi)", 180, kNone},
        {"RTD(1E4931)", 0, errCannotCompute},
    });
}

TEST_P(Builtins, Hyperbolic) {
    const Extended e = std::exp(1.0L);
    const Extended tiny = Value("1.00000000000000001E-16");
    const Extended nearOne = Value("0.9999999999999998");
    Check({
        {"sinh(1E-17)", 0, kNone},
        {"sinh(-1E-16)", 0, kNone},
        {"sinh(1.00000000000000001E-16)", Through((std::exp(tiny) - std::exp(-tiny)) / 2), kNone},
        {"tanh(1E-16)", 0, kNone},
        {"sinh(1)", Through((e - 1 / e) / 2), kNone},
        {"sinh(20000)", 0, errCannotCompute},
        {"cosh(1E-17)", 1, kNone},
        {"cosh(1)", Through((e + 1 / e) / 2), kNone},
        {"tanh(0)", 0, kNone},
        {"tanh(1)", Through(((e - 1 / e) / 2) / ((e + 1 / e) / 2)), kNone},
        {"tanh(20000)", 0, errCannotCompute},
        {"coth(0)", 0, errCannotCompute},
        {"coth(1E-17)", 0, errCannotCompute},
        {"arcsinh(0)", 0, kNone},
        {"arcsinh(1)", Through(std::log(1 + std::sqrt(2.0L))), kNone},
        {"arccosh(1)", 0, kNone},
        {"arccosh(2)", Through(std::log(2 + 3 * std::sqrt(1 / 3.0L))), kNone},
        {"arccosh(0.5)", 0, errCannotCompute},
        {"arccosh(-3)", 0, errCannotCompute},
        {"arctanh(0.5)", Through(std::log(3.0L) / 2), kNone},
        {"arctanh(2)", 0, errCannotCompute},
        {"arccoth(2)", Through(std::log(3.0L) / 2), kNone},
        {"arccoth(0.5)", 0, errCannotCompute},
        // The infinity written back as text ends the evaluation.
        {"arctanh(1)", 0, errUnknown},
        {"arctanh(0.99999999999999999)", 0, errUnknown},
        {"arctanh(0.99999999999999993)", 0, errUnknown}, // within 10^-16 of 1
        {"arctanh(-0.99999999999999993)", 0, errUnknown},
        {"arctanh(0.9999999999999998)", Through(std::log((1 + nearOne) / (1 - nearOne)) / 2),
         kNone},
        {"arccoth(-1)", 0, errUnknown},
    });
}

TEST_P(Builtins, LogarithmsAndPowers) {
    Check({
        {"log(2;8)", 3, kNone},
        {"log10(1000)", 3, kNone},
        {"log2(8)", 3, kNone},
        {"ln(e)", Through(std::log(Value("2.71828182845904524"))), kNone},
        {"ln(0)", 0, errCannotCompute},
        {"log10(-1)", 0, errCannotCompute},
        {"log(1;8)", 0, errCannotCompute},
        {"exp(0)", 1, kNone},
        {"exp(20000)", 0, errCannotCompute},
        {"sqrt(16)", 4, kNone},
        {"sqrt(-1)", 0, errCannotCompute},
    });
}

TEST_P(Builtins, SignsAndRounding) {
    Check({
        {"sgn(-5)", -1, kNone},
        {"sgn(0)", 0, kNone},
        {"sgn(2.5)", 1, kNone},
        {"sgn(1E-400)", 0, kNone},            // below the double range: rounds to 0
        {"sgn(-1E400)", 0, errCannotCompute}, // beyond it: an overflow
        {"abs(-2.5)", Value("2.5"), kNone},
        {"round(2.5)", 2, kNone},
        {"round(3.5)", 4, kNone},
        {"round(1E19)", 0, errCannotCompute},
        {"int(-2.7)", -2, kNone},
        {"frac(-2.7)", Value("-0.7"), kNone},
        {"ceil(-2.5)", -2, kNone},
        {"floor(-2.5)", -3, kNone},
        {"ceil(2147483647)", 2147483647, kNone},
        {"floor(-2147483648)", -2147483648.0L, kNone},
        {"ceil(2147483647.5)", 0, errCannotCompute},
        {"floor(-2147483648.5)", 0, errCannotCompute},
        {"floor(1E10)", 0, errCannotCompute},
    });
}

TEST_P(Builtins, IntegerRemainder) {
    Check({
        {"mod(7;3)", 1, kNone},
        {"mod(-7;3)", -1, kNone},
        {"mod(7;-3)", 1, kNone},
        {"mod(123456789012345678;1000)", 678, kNone},
        {"mod(7.5;2)", 0, errIntegerExpected},
        {"mod(7;0)", 0, errCannotCompute},
        {"mod(1E19;3)", 0, errCannotCompute},
        {"mod(7)", 0, errArgumentCount},
    });
}

TEST_P(Builtins, FactorialsCombinationsPermutations) {
    Check({
        {"fact(5)", 120, kNone},
        {"fact(0)", 1, kNone},
        {"fact(2.5)", 1, errNaturalExpected},
        {"fact(-1)", 1, errNaturalExpected},
        {"fact(1755)", 0, errCannotCompute},
        {"C(5;2)", 10, kNone},
        {"P(5;2)", 20, kNone},
        {"C(3;5)", Value("0.05"), errNaturalExpected}, // (3-5)! counts as 1
        {"P(3;5)", 6, errNaturalExpected},
        {"C(1800;1)", 0, errCannotCompute},
        // The factorials are taken in the order a!, b!, (a - b)!: b! overflows before the
        // unsuitable (a - b)! is reached, and the call ends there.
        {"C(3;2000)", 0, errCannotCompute},
        {"P(3;2000)", 6, errNaturalExpected}, // P takes no b!
    });
    // a! reports first; the overflow of b! is the second report.
    Reset(GetParam());
    CheckRows({{"C(2.5;2000)", "0", errNaturalExpected, true}});
}

TEST_P(Builtins, ListStatistics) {
    Check({
        {"max(3;9;4)", 9, kNone},
        {"min(3;1;2)", 1, kNone},
        {"n(3;9;4)", 3, kNone},
        {"n(7)", 1, kNone},
        {"n(1;1;2;3;5;8;13;21)", 8, kNone},
        {"mean(1;2;3;4)", Value("2.5"), kNone},
        {"sum(5)", 5, kNone},
        {"sum(1;2;3.5)", Value("6.5"), kNone},
        {"product(2;3;4)", 24, kNone},
        {"product(0)", 0, kNone},
        {"product(1E3000;1E3000)", 0, errCannotCompute},
        // In list order: the partial product overflows only when the huge values meet first.
        {"product(1E3000;1E3000;1E-3000)", 0, errCannotCompute},
        {"product(1E3000;1E-3000;1E3000)", Value("1E3000"), kNone},
        {"sum(1E4932;1E4932;-1E4932)", 0, errCannotCompute},
        {"sum(1E4932;-1E4932;1E4932)", Value("1E4932"), kNone},
        {"mean(1E4932;1E4932)", 0, errCannotCompute},
        {"Q1(1;2)", 1, kNone},
        {"Q3(7;1;5;3)", 6, kNone},
        {"Md(2;1)", Value("1.5"), kNone},
        {"modefreq(1;2;3)", 1, kNone},
        {"Q1(5;1;4;2;3)", Value("1.5"), kNone},
        {"Md(5;1;4;2;3)", 3, kNone},
        {"Q3(5;1;4;2;3)", Value("4.5"), kNone},
        {"modefreq(1;2;2;3;3;3)", 3, kNone},
        {"modefreq(5)", 1, kNone},
        {"SD(2;4;4;4;5;5;7;9)", 2, kNone},
        {"SDNM1(2;4;4;4;5;5;7;9)", Through(std::sqrt(32 / 7.0L)), kNone},
        {"SD(5)", 0, kNone},
        {"SDNM1(5)", -1, kNone},
    });
}

TEST_P(Builtins, Primes) {
    Check({
        {"IsPrime(97)", 1, kNone},
        {"IsPrime(1)", 0, kNone},
        {"IsPrime(1000000007)", 1, kNone},
        {"IsPrime(199999999999999949)", 1, kNone},
        {"IsPrime(199999999999999983)", 0, kNone},
        {"IsPrime(2E17)", 0, errNaturalExpected},
        {"IsPrime(-1)", 0, errNaturalExpected},
        {"IsPrime(2.5)", 0, errNaturalExpected},
        {"NextPrime(14)", 17, kNone},
        {"NextPrime(13)", 13, kNone},
        {"NextPrime(199999999999999950)", 200000000000000003.0L, kNone},
        {"NextPrime(2E17)", 0, errNaturalExpected},
        {"PrevPrime(14)", 13, kNone},
        {"PrevPrime(199999999999999999)", 199999999999999949.0L, kNone},
        {"PrevPrime(1)", 0, errNoSmallerPrime},
        {"PrevPrime(-1)", 0, errNaturalExpected},
        {"prime(1)", 2, kNone},
        {"prime(25)", 97, kNone},
        {"prime(1000000)", 15485863, kNone},
        {"prime(2147483647)", 50685770143.0L, kNone},
        {"prime(0)", 0, errNaturalExpected},
        {"prime(1.5)", 0, errNaturalExpected},
        {"prime(2E17)", 0, errNaturalExpected},
        {"prime(2147483648)", 0, errCannotCompute}, // beyond 32 bits: no wrapped index
        {"IsPrime(7;11)", 0, errArgumentCount},
    });
}

TEST_P(Builtins, GreatestCommonDivisor) {
    Check({
        {"GCD(12;18)", 6, kNone},
        {"GCD(12;18;-24)", 6, kNone},
        {"GCD(1;1000)", 1, kNone},
        {"GCD(0;6)", 6, kNone}, // zeros do not change it
        {"GCD(7)", 7, kNone},
        {"GCD(-7;0;-14)", 7, kNone},
        {"GCD(12;1.5)", 0, errIntegerExpected},
        {"GCD(0;0)", 0, errCannotCompute},
        {"GCD(1;1E30)", 1, kNone},
        {"GCD(2;1E30)", 0, errCannotCompute},
        {"GCD(461168601842738790;461168601842738780)", 10, kNone},
        {"GCD(6442450944;4294967296)", 2147483648.0L, kNone}, // 3*2^31 and 2^32
    });
}

TEST_P(Builtins, FibonacciNumbers) {
    Check({
        {"fibonacci(10)", 55, kNone},
        {"fibonacci(0)", 0, kNone},
        {"fibonacci(1)", 1, kNone},
        {"fibonacci(93)", Through(12200160415121876738.0L), kNone},
        {"fibonacci(23601)", Through(calc::Fibonacci(23601)), kNone},
        {"fibonacci(23602)", 0, errCannotCompute},
        {"fibonacci(2147483647)", 0, errCannotCompute},
        {"fibonacci(2147483648)", 0, errCannotCompute},
        {"fibonacci(-1)", 0, errNaturalExpected},
        {"fibonacci(1.5)", 0, errNaturalExpected},
    });
}

TEST_P(Builtins, NamesAndArgumentCounts) {
    Check({
        {"sin(1;2)", 0, errArgumentCount},
        {"log(2)", 0, errArgumentCount},
        {"RTP(1)", 0, errArgumentCount},
        {"RTP(1E3000;1)", 0, errCannotCompute}, // the square overflows
        {"Sin(1)", 0, errUnknownFunction},
        {"Max(1;2)", 0, errUnknownFunction},
        {"sin(0)+2", 2, kNone},
        {"2*max(1;sin(0))", 2, kNone},
    });
}

TEST_P(Builtins, ErrorsNameTheFunctionThatFailed) {
    struct Case {
        const char *text;
        TCalcError code;
        const char *detail;
    };
    for (const Case &c : {
             Case{"fact(2.5)", errNaturalExpected, "fact"},
             Case{"C(3;5)", errNaturalExpected, "C"},
             Case{"P(3;5)", errNaturalExpected, "P"},
             Case{"ln(0)", errCannotCompute, "ln"},
             Case{"arccosh(0)", errCannotCompute, "arccosh"},
             Case{"mod(7.5;2)", errIntegerExpected, "mod"},
             Case{"PrevPrime(1)", errNoSmallerPrime, "PrevPrime"},
             Case{"Random(-1)", errNaturalExpected, "Random"},
             Case{"GCD(0;0)", errCannotCompute, "GCD"},
             Case{"SDNM1(1E3000;-1E3000)", errCannotCompute, "SDNM1"},
             Case{"log(2)", errArgumentCount, "log"},
             Case{"Sin(1)", errUnknownFunction, "Sin"},
         }) {
        Reset(GetParam());
        SCOPED_TRACE(c.text);
        Eval(Local(c.text));
        EXPECT_EQ(FirstError, c.code);
        EXPECT_EQ(FirstErrorMessage, CalcErrorMessage(c.code, c.detail));
    }
}

TEST_P(Builtins, SecondFailedCheckAbortsTheEvaluation) {
    for (const char *text : {"C(2.5;1.5)", "ln(0)+sqrt(-1)", "mod(7;0)*fact(2.5)"}) {
        Reset(GetParam());
        SCOPED_TRACE(text);
        const auto outcome = Eval(Local(text));
        EXPECT_TRUE(outcome.aborted);
    }
}

TEST_P(Builtins, RectangularToPolarStoresRadiusAndAngle) {
    struct Case {
        const char *text;
        Extended r, theta;
    };
    const Extended quarter = std::atan(1.0L);
    for (const Case &c : {
             Case{"RTP(3;4)", 5, std::atan(4.0L / 3.0L)},
             Case{"RTP(-1;0)", 1, kPi},
             Case{"RTP(0;0)", 0, 0},
             Case{"RTP(0;2)", 2, static_cast<Extended>(1.5707963267948966)},
             Case{"RTP(0;-2)", 2, static_cast<Extended>(4.71238898038469)},
             Case{"RTP(1;1)", Through(std::sqrt(2.0L)), quarter},
             Case{"RTP(-1;1)", Through(std::sqrt(2.0L)), kPi - quarter},
             Case{"RTP(-1;-1)", Through(std::sqrt(2.0L)), kPi + quarter},
             Case{"RTP(1;-1)", Through(std::sqrt(2.0L)), 2 * kPi - quarter},
         }) {
        Reset(GetParam());
        SCOPED_TRACE(c.text);
        const auto outcome = Eval(c.text);
        EXPECT_EQ(outcome.firstError, kNone);
        EXPECT_EQ(outcome.value, c.r);
        EXPECT_EQ(Stored("Theta"), c.theta);
    }
    // The double-precision angles differ from the extended ones.
    EXPECT_NE(static_cast<Extended>(4.71238898038469), 3 * kPi / 2);
}

TEST_P(Builtins, StoredCoordinatesAreUsableLater) {
    EXPECT_EQ(Eval("RTP(3;4)").value, 5);
    EXPECT_EQ(Stored("r"), 5);
    EXPECT_EQ(Eval("r*2").value, 10);
    EXPECT_EQ(Eval("Theta").value, Through(std::atan(4.0L / 3.0L)));

    EXPECT_EQ(Eval("PTR(2;0)").value, 2);
    EXPECT_EQ(Stored("x"), 2);
    EXPECT_EQ(Stored("y"), 0);
    const auto outcome = Eval("PTR(2;Pi)");
    EXPECT_EQ(outcome.firstError, kNone);
    const Extended pi18 = Value("3.14159265358979324");
    EXPECT_EQ(outcome.value, Through(2 * std::cos(pi18)));
    EXPECT_EQ(Stored("y"), 2 * std::sin(pi18));
}

TEST_P(Builtins, RandomDrawsFromTheSharedGenerator) {
    EXPECT_EQ(Eval("Random(1)").value, 1);
    EXPECT_EQ(Eval("Random(0)").value, 1);
    for (const Row &row :
         {Row{"Random(-1)", 0, errNaturalExpected}, Row{"Random(2.5)", 0, errNaturalExpected},
          Row{"Random(2147483647)", 0, errCannotCompute}}) {
        SCOPED_TRACE(row.text);
        const auto outcome = Eval(Local(row.text));
        EXPECT_EQ(outcome.value, row.value);
        EXPECT_EQ(outcome.firstError, row.error);
    }

    std::set<long long> seen;
    for (int i = 0; i < 600; ++i) {
        const Extended v = Eval("Random(6)").value;
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        seen.insert(static_cast<long long>(v));
    }
    EXPECT_EQ(seen.size(), 6u);
    const Extended big = Eval("Random(2147483646)").value;
    EXPECT_GE(big, 1);
    EXPECT_LE(big, 2147483646);

    runtime::RandSeed(99);
    const Extended drawn = Eval("Random(1000000)").value;
    runtime::RandSeed(99);
    EXPECT_EQ(drawn, 1 + runtime::Random(1000000));

    runtime::RandSeed(5);
    const Extended real = Eval("RandomReal(2)").value;
    runtime::RandSeed(5);
    EXPECT_EQ(real, Through(2 * runtime::RandomReal()));
    EXPECT_EQ(Eval("RandomReal(0)").value, 0);
}

CALC_BOTH_SEPARATORS(Builtins);

using BuiltinValues = CalcFixture;

// Values that must be exact in all 80 bits, before any text rounding.
TEST_F(BuiltinValues, BuiltinConstantsAreTheNearestExtendedValues) {
    EXPECT_EQ(CallFunction("DTR", {1}), 0.017453292519943295769L);
    EXPECT_EQ(CallFunction("RTD", {1}), 57.295779513082320877L);
    // A product with the rounded factor, not a division by 180 or by pi.
    EXPECT_EQ(CallFunction("DTR", {3}), 3 * 0.017453292519943295769L);
    EXPECT_EQ(CallFunction("RTD", {7}), 7 * 57.295779513082320877L);
    // The inverse sine and cosine go through the arctangent of two values.
    EXPECT_EQ(CallFunction("arcsin", {0.06L}), std::atan2(0.06L, std::sqrt(1 - 0.06L * 0.06L)));
    EXPECT_EQ(CallFunction("arccos", {0.55L}), std::atan2(std::sqrt(1 - 0.55L * 0.55L), 0.55L));
    EXPECT_EQ(CallFunction("arccot", {0}), kPi / 2);
    // The logarithm to a base is a ratio of base-2 logarithms, in all 80 bits.
    EXPECT_EQ(CallFunction("log", {3, 7}), std::log2(7.0L) / std::log2(3.0L));
    EXPECT_EQ(CallFunction("log", {10, 1000}), std::log2(1000.0L) / std::log2(10.0L));
    EXPECT_EQ(CallFunction("RTP", {-1, 0}), 1);
    Extended theta = 0;
    ASSERT_TRUE(GetVariable("Theta", theta));
    EXPECT_EQ(theta, kPi);
    EXPECT_EQ(FirstError, kNone);
}

// Arguments that text cannot carry exactly, handed over as values.
TEST_F(BuiltinValues, RemainderOfTheMostNegativeIntegerByMinusOneIsZero) {
    EXPECT_EQ(CallFunction("mod", {-9223372036854775808.0L, -1}), 0);
    EXPECT_EQ(CallFunction("mod", {-9223372036854775808.0L, 10}), -8);
    EXPECT_EQ(CallFunction("GCD", {-9223372036854775808.0L}), 9223372036854775808.0L);
    EXPECT_EQ(CallFunction("arctanh", {1}), std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(CallFunction("arccoth", {-1}), -std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(FirstError, kNone);
}
