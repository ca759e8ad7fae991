// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The faster number text, evaluator, fault checks and list statistics against the previous
// implementation kept in Reference*.cpp: the same bytes, values, error codes and aborts on
// seeded random values and expressions. QUINTARA_EQUIVALENCE_COUNT sets how many random
// values the number-text tests draw (for long runs by hand).
#include "CalcFixture.h"
#include "ExpressionMaker.h"
#include "Reference.h"

#include "calc/NumLib.h"
#include "runtime/Checked.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <typeinfo>
#include <vector>

namespace calc::testing {
namespace {

using Limits = std::numeric_limits<Extended>;

// Fewer draws where the sanitizers slow every step down.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kDefaultDraws = 10000;
#else
constexpr long kDefaultDraws = 100000;
#endif

long Draws() {
    const char *set = std::getenv("QUINTARA_EQUIVALENCE_COUNT");
    return set != nullptr ? std::atol(set) : kDefaultDraws;
}

Extended FromBits(std::uint64_t significand, std::uint16_t signAndExponent) {
    Extended value = 0;
    std::memcpy(&value, &significand, 8);
    std::memcpy(reinterpret_cast<char *>(&value) + 8, &signAndExponent, 2);
    return value;
}

bool SameBits(Extended a, Extended b) {
    return std::memcmp(&a, &b, 10) == 0;
}

std::string Bits(Extended value) {
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &value, 8);
    std::memcpy(&signAndExponent, reinterpret_cast<const char *>(&value) + 8, 2);
    char text[40];
    std::snprintf(text, sizeof text, "%04x:%016llx", signAndExponent,
                  static_cast<unsigned long long>(significand));
    return text;
}

class NumberTextEquivalence : public CalcFixtureSep {
  protected:
    // Compares the 18-digit text and, for every tenth value, the _digits text too.
    void Check(Extended value) {
        ++checked;
        const std::string now = FormatResult(false, value);
        const std::string before = reference::FormatResult(false, value);
        if (now != before) {
            ADD_FAILURE() << Bits(value) << ": " << now << " but before " << before;
            ++failures;
        }
        if (checked % 10 == 0 &&
            FormatResult(true, value) != reference::FormatResult(true, value)) {
            ADD_FAILURE() << Bits(value) << " with _digits";
            ++failures;
        }
    }
    // Stops a run whose every value differs from flooding the log.
    bool Enough() const { return failures > 20; }

    std::mt19937_64 random{20261208};
    long checked = 0;
    int failures = 0;
};

TEST_P(NumberTextEquivalence, RandomBitPatternsOfEveryExponent) {
    for (long i = 0; i < Draws() && !Enough(); ++i)
        Check(FromBits(random(), static_cast<std::uint16_t>(random())));
}

// The exponents of the values that expressions produce, where the exact integer conversion
// works, and just beyond on both sides.
TEST_P(NumberTextEquivalence, RandomNormalValuesAroundTheIntegerConversion) {
    std::uniform_int_distribution<int> exponent(16383 - 80, 16383 + 135);
    for (long i = 0; i < Draws() && !Enough(); ++i)
        Check(FromBits(random() | (std::uint64_t{1} << 63),
                       static_cast<std::uint16_t>(static_cast<std::uint64_t>(exponent(random)) |
                                                  (random() & 0x8000))));
}

TEST_P(NumberTextEquivalence, IntegersAndHalvesThatTieAtEighteenDigits) {
    std::uniform_int_distribution<std::uint64_t> eighteen(100000000000000000u, 999999999999999999u);
    for (long i = 0; i < Draws() / 4 && !Enough(); ++i) {
        const std::uint64_t n = eighteen(random);
        Check(static_cast<Extended>(n));
        Check(static_cast<Extended>(n) + 0.5L);       // a tie in the last place
        Check(static_cast<Extended>(n / 2) * 20 + 5); // 19 digits ending in 5: a tie
        Check(static_cast<Extended>(random() >> (random() % 64)));
    }
    for (int k = 0; k < 64; ++k) {
        const Extended power = std::ldexp(Extended(1), k);
        Check(power);
        Check(power - 1);
        Check(-power);
    }
}

// The values that 18-digit texts read back to, and their neighbours.
TEST_P(NumberTextEquivalence, ValuesOfDecimalTextsAndTheirNeighbours) {
    std::uniform_int_distribution<int> length(1, 18), scale(-30, 40);
    for (long i = 0; i < Draws() / 3 && !Enough(); ++i) {
        std::string digits;
        for (int d = length(random); d > 0; --d)
            digits += static_cast<char>('0' + random() % 10);
        const Extended value = ParseReal(digits + "E" + std::to_string(scale(random)));
        Check(value);
        Check(std::nextafter(value, Limits::infinity()));
        Check(std::nextafter(value, Extended(0)));
    }
    for (int k = -4951; k <= 4932; ++k)
        Check(ParseReal(Local("1E" + std::to_string(k))));
}

TEST_P(NumberTextEquivalence, SubnormalsAndBothEndsOfTheRange) {
    for (long i = 0; i < Draws() / 10 && !Enough(); ++i)
        Check(FromBits(random() >> (random() % 64), static_cast<std::uint16_t>(random() & 0x8000)));
    const Extended ends[] = {Limits::max(),     Limits::min(),         Limits::denorm_min(),
                             Limits::lowest(),  Limits::infinity(),    Limits::quiet_NaN(),
                             Limits::epsilon(), -Limits::denorm_min(), Extended(0),
                             -Extended(0)};
    for (const Extended end : ends) {
        Check(end);
        Extended up = end, down = end;
        for (int step = 0; step < 100; ++step) {
            up = std::nextafter(up, Limits::infinity());
            down = std::nextafter(down, -Limits::infinity());
            Check(up);
            Check(down);
        }
    }
}

// Texts of numbers as the working text holds them and as players type them, with slips: the
// same value, or a failure for both.
TEST_P(NumberTextEquivalence, ReadingRandomNumberTexts) {
    static const char *const pieces[] = {"0",  "1",  "9",   "5",    "00",   "123456789", "99999999",
                                         ".",  ",",  "E",   "e",    "-",    "+",         " ",
                                         "E-", "E+", "500", "4932", "4951", "x",         "\t"};
    for (long i = 0; i < Draws() / 2; ++i) {
        std::string text;
        for (int count = static_cast<int>(random() % 8) + 1; count > 0; --count)
            text += random() % 3 == 0 ? pieces[random() % std::size(pieces)]
                                      : std::string(static_cast<std::size_t>(random() % 25),
                                                    static_cast<char>('0' + random() % 10));
        Extended now = 0, before = 0;
        bool nowFails = false, beforeFails = false;
        try {
            now = ParseReal(text);
        } catch (const runtime::EConvertError &) {
            nowFails = true;
        }
        try {
            before = reference::ParseReal(text);
        } catch (const runtime::EConvertError &) {
            beforeFails = true;
        }
        if (nowFails != beforeFails || (!nowFails && !SameBits(now, before))) {
            ADD_FAILURE() << "'" << text << "': " << Bits(now) << " " << nowFails << " but before "
                          << Bits(before) << " " << beforeFails;
            if (++failures > 20)
                return;
        }
    }
}

CALC_BOTH_SEPARATORS(NumberTextEquivalence);

class ExpressionEquivalence : public CalcFixtureSep {
  protected:
    // Evaluates with fresh tables, error state and seed, as the game's answer box does on its
    // first answer, then once more to see Ans and what the first evaluation stored.
    struct Run {
        Evaluation first, second;
        TVarList variables;
    };
    template <class Evaluator> Run Twice(const std::string &text, Evaluator evaluate) {
        Reset(GetParam());
        Run run;
        run.first = evaluate(text);
        run.second = evaluate(text);
        run.variables = Variables;
        return run;
    }
    static bool Same(const Evaluation &a, const Evaluation &b) {
        return SameBits(a.value, b.value) && a.firstError == b.firstError &&
               a.aborted == b.aborted && a.message == b.message;
    }
    void Compare(const std::string &text) {
        const Run now = Twice(text, Eval);
        const Run before = Twice(
            text, [](const std::string &t) { return EvalWith(t, reference::EvaluateExpression); });
        bool same = Same(now.first, before.first) && Same(now.second, before.second) &&
                    now.variables.size() == before.variables.size();
        for (std::size_t i = 0; same && i < now.variables.size(); ++i)
            same = now.variables[i].Name == before.variables[i].Name &&
                   SameBits(now.variables[i].Value, before.variables[i].Value);
        EXPECT_TRUE(same) << text << "\n  now " << Bits(now.first.value) << " error "
                          << now.first.firstError << " aborted " << now.first.aborted
                          << "\n  before " << Bits(before.first.value) << " error "
                          << before.first.firstError << " aborted " << before.first.aborted;
        ++outcomes[before.first.aborted ? 12 : before.first.firstError + 1];
    }
    // By the previous evaluator's first outcome: [0] no error, [1 + code], [12] aborted.
    int outcomes[13] = {};
};

TEST_P(ExpressionEquivalence, RandomExpressions) {
    ExpressionMaker maker(GetParam() == ',' ? 1207 : 1208);
    const long count = std::max(3000L, Draws() / 30);
    for (long i = 0; i < count; ++i)
        Compare(Local(maker.Make()));
    // The mix reaches clean values, errors that let the evaluation go on, errors that end
    // it, and aborts.
    EXPECT_GT(outcomes[0], count / 5);
    EXPECT_GT(outcomes[1 + errUnknown], count / 30);
    EXPECT_GT(outcomes[1 + errNotReal] + outcomes[1 + errDivisionByZero], count / 60);
    EXPECT_GT(outcomes[1 + errCannotCompute] + outcomes[1 + errArgumentCount], count / 60);
    EXPECT_GT(outcomes[12], count / 60);
}

// The shapes that used to take quadratic time, and unbalanced brackets around them.
TEST_P(ExpressionEquivalence, LongAndMalformedTexts) {
    const std::string nested = std::string(300, '(') + "1" + std::string(300, ')');
    const std::string texts[] = {
        nested,
        nested + "!",
        std::string(300, '(') + "2" + std::string(299, ')'),
        std::string(300, '(') + "2" + std::string(301, ')'),
        "(1)+(2)*(3)^(2)!+sin(1)^2+{-2}^2+[3]!",
        "max(1;min(2;3))",
        "max(1;sin(2))",
        "(min(2;3)+1)",
        "sqrt(16)!",
        "-abs(3)^2",
        "2*(",
        "sin(",
        ")",
        "(",
        "1)(",
        "(1))",
        "2(3)",
        "2sin(1)",
        "abs(-2)^2^2!",
        "1/3*3",
        "Pi^2^Pi!",
        "2^(3)^2",
        "10^20^2",
        "(-2)^3^2",
        "1}!",
        "{{1}}^2",
        "sum(;1)",
        "sum(1;)",
        "sum()",
        "arctanh(1)+1",
        "fact(1755)",
        "1755!",
        "SD(1E4000;-1E4000)",
        "sum(1E4932;1E4932)",
        "product(1E4000;1E4000;0)",
        "fibonacci(23602)",
        "C(2.5;1.5)",
    };
    for (const std::string &text : texts)
        Compare(Local(text));
    std::string flat;
    for (int i = 0; i < 200; ++i)
        flat += (i ? "+" : "") + std::string(i % 3 == 0 ? "1/3" : (i % 3 == 1 ? "2^3" : "sin(1)"));
    Compare(Local(flat));
}

CALC_BOTH_SEPARATORS(ExpressionEquivalence);

// The fault checks read the x87 status word and the SSE flags instead of the whole
// floating-point environment: each checked routine must raise exactly what the C library's
// flag test says, on special values and random bit patterns. Where C libraries disagree on the
// flags (MinGW's routines leave them alone or raise another), IEEE 754 decides from the
// operands and the result: a NaN out of numbers is invalid, an infinity out of finite numbers
// an overflow, or a division by zero at a logarithm's pole.
struct Operands {
    bool anyNaN;
    bool allFinite;
    bool pole;
};

const std::type_info *ExpectedFault(const std::function<Extended()> &raw, Extended &result,
                                    Operands operands) {
    std::feclearexcept(FE_ALL_EXCEPT);
    result = raw();
    runtime::FpuBarrier(result);
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (std::isnan(result) && !operands.anyNaN)
        return &typeid(runtime::EInvalidOp);
    if (operands.pole)
        return &typeid(runtime::EZeroDivide);
    if (raised & FE_DIVBYZERO)
        return &typeid(runtime::EZeroDivide);
    if (raised & FE_INVALID)
        return &typeid(runtime::EInvalidOp);
    if (raised & FE_OVERFLOW)
        return &typeid(runtime::EOverflow);
    if (std::isinf(result) && operands.allFinite)
        return &typeid(runtime::EOverflow);
    return nullptr;
}

const std::type_info *ActualFault(const std::function<Extended()> &checked, Extended &result) {
    try {
        result = checked();
    } catch (const runtime::EMathError &e) {
        return &typeid(e);
    }
    return nullptr;
}

TEST(CheckedArithmetic, RaisesWhatTheFullFlagTestRaises) {
    using Unary = Extended (*)(Extended);
    struct UnaryRow {
        const char *name;
        Unary checked;
        Unary raw;
        bool poleAtZero = false;
    };
    const UnaryRow unary[] = {
        {"Sqrt", runtime::Sqrt, [](Extended v) { return sqrtl(v); }},
        {"Exp", runtime::Exp, [](Extended v) { return expl(v); }},
        {"Ln", runtime::Ln, [](Extended v) { return logl(v); }, true},
        {"Log2", runtime::Log2, [](Extended v) { return log2l(v); }, true},
        {"Log10", runtime::Log10, [](Extended v) { return log10l(v); }, true},
        {"Sin", runtime::Sin, [](Extended v) { return sinl(v); }},
        {"Cos", runtime::Cos, [](Extended v) { return cosl(v); }},
        {"Tan", runtime::Tan, [](Extended v) { return tanl(v); }},
        {"ArcTan", runtime::ArcTan, [](Extended v) { return atanl(v); }},
    };
    using Binary = Extended (*)(Extended, Extended);
    struct BinaryRow {
        const char *name;
        Binary checked;
        Binary raw;
    };
    const BinaryRow binary[] = {
        {"Add", runtime::Add, [](Extended a, Extended b) { return a + b; }},
        {"Subtract", runtime::Subtract, [](Extended a, Extended b) { return a - b; }},
        {"Multiply", runtime::Multiply, [](Extended a, Extended b) { return a * b; }},
        {"Divide", runtime::Divide, [](Extended a, Extended b) { return a / b; }},
        {"ArcTan2", runtime::ArcTan2, [](Extended a, Extended b) { return atan2l(a, b); }},
    };
    std::vector<Extended> values = {0,
                                    -Extended(0),
                                    1,
                                    -1,
                                    2,
                                    -2,
                                    0.5L,
                                    1e-300L,
                                    710,
                                    11357,
                                    -11357,
                                    12000,
                                    Limits::max(),
                                    Limits::lowest(),
                                    Limits::min(),
                                    Limits::denorm_min(),
                                    Limits::infinity(),
                                    -Limits::infinity(),
                                    Limits::quiet_NaN(),
                                    1e4000L,
                                    1e-4000L,
                                    9.3e18L,
                                    1e300L};
    std::mt19937_64 random(7);
    for (int i = 0; i < 150; ++i)
        values.push_back(
            FromBits(random() | (std::uint64_t{1} << 63), static_cast<std::uint16_t>(random())));
    const auto check = [](const std::string &what, const std::function<Extended()> &checked,
                          const std::function<Extended()> &raw, Operands operands) {
        Extended expectedValue = 0, actualValue = 0;
        const std::type_info *expected = ExpectedFault(raw, expectedValue, operands);
        const std::type_info *actual = ActualFault(checked, actualValue);
        EXPECT_EQ(expected == nullptr ? "none" : expected->name(),
                  actual == nullptr ? "none" : actual->name())
            << what;
        if (expected == nullptr && actual == nullptr && !std::isnan(expectedValue)) {
            EXPECT_TRUE(SameBits(expectedValue, actualValue)) << what;
        }
    };
    for (const Extended a : values) {
        for (const UnaryRow &row : unary)
            check(
                std::string(row.name) + " " + Bits(a), [&] { return row.checked(a); },
                [&] { return row.raw(a); },
                {std::isnan(a), std::isfinite(a), row.poleAtZero && a == 0});
        for (const Extended b : values)
            for (const BinaryRow &row : binary)
                check(
                    std::string(row.name) + " " + Bits(a) + " " + Bits(b),
                    [&] { return row.checked(a, b); }, [&] { return row.raw(a, b); },
                    {std::isnan(a) || std::isnan(b), std::isfinite(a) && std::isfinite(b), false});
    }
}

// Stable sorting and counting runs against selection by repeated minimum and pair counting:
// the same values in the same order, -0 and +0 included.
TEST(ListStatisticsEquivalence, SortAndFrequenciesOfRandomListsWithRepeats) {
    std::mt19937_64 random(11);
    const Extended pool[] = {0,
                             -Extended(0),
                             1,
                             -1,
                             2.5L,
                             1e4000L,
                             -1e-4000L,
                             Limits::infinity(),
                             -Limits::infinity(),
                             3,
                             3,
                             7};
    for (int list = 0; list < 2000; ++list) {
        TExtendedArray values(static_cast<std::size_t>(random() % 40 + 1));
        for (Extended &v : values)
            v = random() % 3 == 0 ? pool[random() % std::size(pool)]
                                  : static_cast<Extended>(random() % 9) / 4;
        if (list % 50 == 0)
            values[static_cast<std::size_t>(random() % values.size())] = Limits::quiet_NaN();
        const TExtendedArray sorted = SortAscending(values);
        const TExtendedArray expected = reference::SortAscending(values);
        const TExtendedArray frequencies = ValueFrequencies(values);
        const TExtendedArray expectedFrequencies = reference::ValueFrequencies(values);
        ASSERT_EQ(sorted.size(), expected.size());
        for (std::size_t i = 0; i < sorted.size(); ++i) {
            EXPECT_TRUE(SameBits(sorted[i], expected[i])) << "list " << list << " at " << i;
            EXPECT_EQ(frequencies[i], expectedFrequencies[i]) << "list " << list << " at " << i;
        }
    }
}

} // namespace
} // namespace calc::testing
