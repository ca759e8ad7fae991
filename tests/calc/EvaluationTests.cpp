// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole evaluations through EvaluateExpression: normalisation, named values, brackets,
// operators, precedence and the failure classes, with both decimal separators.
#include "CalcFixture.h"

#include <cmath>

namespace calc::testing {
namespace {

// Texts use "." for the decimal separator and are rewritten for the one under test;
// expected values are written with 18 digits as the calculator writes them.
using Evaluation = CalcFixtureSep;

TEST_P(Evaluation, PlainNumbers) {
    CheckRows({
        {"42", "42"},
        {"-7", "-7"},
        {" 12 ", "12"},
        {"4 2", "42"},
        {"007", "7"},
        {"", "0"},
        {"-0", "0"},
        {"2.5", "2.5"},
        {"1E5", "100000"},
        {"1e3", "1000"},
    });
    // A plain number keeps its full extended value, beyond 18 digits.
    EXPECT_EQ(EvaluateExpression("12345678901234567891"), 12345678901234567891.0L);
}

TEST_P(Evaluation, NormalisesSignsBracketsAndMultiplicationSigns) {
    CheckRows({
        {"2\xD7"
         "3\xB7"
         "4",
         "24"},
        {"[2+3]*{4}", "20"},
        {"2--3", "5"},
        {"2-+3", "-1"},
        {"-(2-3)", "1"},
        {"5-(2-3)", "6"},
        {"---5", "-5"},
        {"++5", "5"},
        {"2+-3", "-1"},
        {"5~3", "2"},
        {"2 * ( 3 + 4 )", "14"},
    });
}

// A "-" after a digit, a separator, "!" or ")" subtracts; after anything else it is a sign.
TEST_P(Evaluation, MinusSignsThatSubtract) {
    CheckRows({
        {"3!-1", "5"},
        {"(2)-1", "1"},
        {"2.-1", "1"},
        {"2E-1", "0.2"},
        {"2*-1", "-2"},
        {"2^-1", "0.5"},
        {"(-1)", "-1"},
        {"Pi-Pi", "0"},
    });
}

TEST_P(Evaluation, ValueGroupsKeepTheSignForFactorialsAndPowers) {
    CheckRows({
        {"(2+3)!", "120"},
        {"(-2)^2", "4"},
        {"-2^2", "-4"},
        {"sqrt(16)!", "24"},
        {"-abs(3)^2", "-9"},
        {"(-2)!", "1", errNaturalExpected},
        {"2^(3)^2", "64"},
        {"2^(1)^2", "4"},
        {"(2)^(3)!", "64"},
        {"(0-1)^3", "-1"},
    });
}

TEST_P(Evaluation, NamedValuesAreSubstitutedAsIdentifiersOnly) {
    CheckRows({
        {"Pi", "3.14159265358979324"},
        {"-Pi", "-3.14159265358979324"},
        {"e", "2.71828182845904524"},
        {"Phi", "1.61803398874989485"},
        {"_digits", "12"},
        {"Pi(2)", "0", errUnknownFunction},
        {"exp(1)", "2.71828182845904524"},
        {"pi", "0", errUnknown},
        {"Pie", "0", errUnknown},
        {"2Pi", "0", errUnknown},
    });
    // A value group around a substituted value before "^".
    EXPECT_EQ(EvaluateExpression("Pi^2"), EvaluateExpression(Local("3.14159265358979324^2")));
}

TEST_P(Evaluation, IdentifierRulesAtEitherEndAndBeforeABracket) {
    CheckRows({
        {"2*e", "5.43656365691809048"},
        {"Pi*2", "6.28318530717958648"},
        {"(Pi)", "3.14159265358979324"},
        {"mean(e;1)", "1.85914091422952262"},
        {"Pi_", "0", errUnknown},
        {"_Pi", "0", errUnknown},
        {"e(1)", "0", errUnknownFunction},
        {"2*Pi(1)", "0", errUnknownFunction},
    });
}

// Only a value group lets "!" and "^" take a substituted value whole: without the braces
// -3 would lose its sign to the operator and 1E20 its exponent.
TEST_P(Evaluation, SubstitutedValuesBeforeFactorialAndPowerAreGroups) {
    EvaluateExpression("-3");
    CheckRows({{"Ans^2", "9"}});
    EvaluateExpression("-3");
    CheckRows({{"Ans!", "1", errNaturalExpected}});
    EvaluateExpression("1E20");
    CheckRows({{"Ans^2", "1E40"}});
}

// The "{" of a call's value group goes before the first character of the name, whatever
// stands before the name.
TEST_P(Evaluation, CallGroupsBraceTheWholeName) {
    CheckRows({
        {"1-abs(-3)^2", "-8"},
        {"2*abs(-3)!", "12"},
        {"(abs(-3)^2)", "9"},
        {"abs(-3)^2", "9"},
        {"2(3)^2", "0", errUnknownFunction},
        {"-(-3)^2", "-9"},
        // Only a name character before "(" makes a call: after a separator it is a group.
        {"2.(3)", "2.3"},
    });
}

// calc::Evaluate, as the console and the game call it: value, abort, first error and its
// message in one result, whatever the evaluation before left behind.
TEST_P(Evaluation, EvaluateGivesTheWholeOutcome) {
    struct Row {
        std::string text;
        Extended value;
        int error;
        bool aborted;
        std::string detail;
    };
    const Row rows[] = {
        {"2+3", 5, -1, false, ""},
        {"", 0, -1, false, ""},
        {"1/0", 0, errDivisionByZero, false, ""},
        {"1E4932*10", 0, errNotReal, false, ""},
        {"(-8)^(1/3)", 0, errNotReal, false, ""},
        {"abc+1", 0, errUnknown, false, ""},
        {"2*(", 0, errSyntax, false, ""},
        {"sqrt(-1)+2", 2, errCannotCompute, false, "sqrt"},
        {"2.5!+2.5!", 0, errNaturalExpected, true, "fact"},
        {"sqrt(-1)+sqrt(-1)", 0, errCannotCompute, true, "sqrt"},
    };
    // Each row twice: after the row before it, and after an abort.
    for (const Row &row : rows)
        for (const char *before : {"7", "2.5!+2.5!"}) {
            SCOPED_TRACE(row.text + " after " + before);
            Evaluate(Local(before));
            const calc::Evaluation outcome = Evaluate(Local(row.text));
            EXPECT_EQ(outcome.value, row.value);
            EXPECT_EQ(outcome.firstError, row.error);
            EXPECT_EQ(outcome.aborted, row.aborted);
            EXPECT_EQ(outcome.message,
                      row.error < 0
                          ? ""
                          : CalcErrorMessage(static_cast<TCalcError>(row.error), row.detail));
        }
}

TEST_P(Evaluation, AnsHoldsTheLastCompletedResult) {
    EXPECT_EQ(Eval("Ans+1").firstError, errUnknown);
    EXPECT_EQ(FindVariable("Ans"), -1);
    EXPECT_EQ(EvaluateExpression("41"), 41);
    EXPECT_EQ(EvaluateExpression("Ans+1"), 42);
    EXPECT_EQ(Eval("1/0").firstError, errDivisionByZero);
    Extended ans = 0;
    ASSERT_TRUE(GetVariable("Ans", ans));
    EXPECT_EQ(ans, 42);
    // An error that lets the evaluation finish still stores its result.
    EXPECT_EQ(Eval("2(3)").firstError, errUnknownFunction);
    ASSERT_TRUE(GetVariable("Ans", ans));
    EXPECT_EQ(ans, 0);
    // A minus before a substituted negative value subtracts it.
    EvaluateExpression("-3");
    EXPECT_EQ(EvaluateExpression("2-Ans"), 5);
    EXPECT_EQ(EvaluateExpression("Ans*Ans"), 25);
    // A silent abort leaves Ans as it was and both flags set.
    EXPECT_TRUE(Eval(Local("2.5!+2.5!")).aborted);
    EXPECT_TRUE(ErrorReported);
    EXPECT_TRUE(ErrorOccurred);
    ASSERT_TRUE(GetVariable("Ans", ans));
    EXPECT_EQ(ans, 25);
}

TEST_P(Evaluation, FunctionCallGroups) {
    CheckRows({
        {"max(1;5;3)", "5"},
        {"max(1;5;)", "5"},
        {"max(;1)", "0", errUnknown},
        {"max(1;;2)", "0", errUnknown},
        {"max()", "0", errUnknown},
        {"max(1;sin(2))", "1"},
        {"(min(2;3)+1)", "3"},
        {"max(1;min(2;3))", "2"},
        {"max(min(4;9);min(7;8);1)", "7"},
        {"sum(1;sum(2;sum(3;4)))", "10"},
        {"2(3)", "0", errUnknownFunction},
        {"2sin(1)", "0", errUnknownFunction},
        {"Sin(1)", "0", errUnknownFunction},
        {"sin(0.5)*0", "0"},
        {"max(1+2;2*3)!", "720"},
        {"arctanh(1)", "0", errUnknown},
        {"nosuch(1)+nosuch(2)", "0", errUnknownFunction, true},
    });
}

TEST_P(Evaluation, IntermediateValuesCarryEighteenDigits) {
    CheckRows({
        {"1/3*3", "0.999999999999999999"},
        {"2/3", "0.666666666666666667"},
    });
    EXPECT_EQ(FormatResult(true, EvaluateExpression("1/3*3")), "1");
}

TEST_P(Evaluation, FailuresEndTheEvaluationWithZero) {
    CheckRows({
        {"1/0", "0", errDivisionByZero},
        {"0/0", "0", errNotReal},
        {"abc+1", "0", errUnknown},
        {"2\t+1", "0", errUnknown},
        {"2*(3", "0", errUnknown},
        {"(", "0", errUnknown},
        {";", "0", errUnknown},
        {"1;2", "0", errUnknown},
        {"1E4932*10", "0", errNotReal},
        {"1E-4000*1E-4000", "0"},
        {"+", "0", errUnknown},
        {" ", "0", errUnknown},
        {"*2", "0", errUnknown},
        {"2*", "0", errUnknown},
    });
}

TEST_P(Evaluation, UnmatchedBracketsAreSyntaxErrors) {
    CheckRows({
        {"2*(", "0", errSyntax},
        {"sin(", "0", errSyntax},
        {"((", "0", errSyntax},
        {"2)", "0", errSyntax},
        {"(1))", "0", errSyntax},
        {")", "0", errSyntax},
        {")2", "0", errSyntax},
        {"(1)+2)*(", "0", errSyntax},
    });
    EXPECT_EQ(Eval("2)").firstError, errSyntax);
    EXPECT_EQ(FindVariable("Ans"), -1);
}

TEST_P(Evaluation, ASecondErrorAbortsSilently) {
    CheckRows({
        {"2.5!+2.5!", "0", errNaturalExpected, true},
        {"2.5!+1/0", "0", errNaturalExpected, true},
        {"2.5!", "1", errNaturalExpected},
        {"C(2.5;1.5)", "0", errNaturalExpected, true},
    });
}

CALC_BOTH_SEPARATORS(Evaluation);

using LongTexts = CalcFixture;

TEST_F(LongTexts, TenThousandCharactersEvaluate) {
    std::string sum = "1";
    while (sum.size() < 10000)
        sum += "+1";
    EXPECT_EQ(EvaluateExpression(sum), 5001);

    std::string nested(4000, '(');
    nested += "1";
    nested += std::string(4000, ')');
    EXPECT_EQ(EvaluateExpression(nested), 1);

    std::string calls;
    for (int i = 0; i < 1000; ++i)
        calls += "abs(";
    calls += "-2";
    calls += std::string(1000, ')');
    EXPECT_EQ(EvaluateExpression(calls), 2);

    EXPECT_EQ(Eval(std::string(10000, '(')).firstError, errSyntax);
    EXPECT_EQ(Eval(std::string(10000, ')')).firstError, errSyntax);
    EXPECT_EQ(Eval(std::string(10000, '-') + "1").value, 1);
    EXPECT_EQ(Eval(std::string(10000, '!')).firstError, errUnknown);
    EXPECT_EQ(Eval(std::string(4900, '9')).value, ParseReal(std::string(4900, '9')));
    EXPECT_EQ(Eval(std::string(10000, '9')).firstError, errUnknown);
}

// Random texts over the calculator's alphabet: each evaluation returns a value or aborts
// silently, and reports at most a known code.
TEST_F(LongTexts, ArbitraryTextsNeverFailOtherwise) {
    const std::string alphabet = "0123456789.,;+-*/^!~()[]{}EePi \xD7\xB7sinmaxAns\t";
    runtime::RandSeed(7);
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        const int length = runtime::Random(40);
        for (int j = 0; j < length; ++j)
            text += alphabet[static_cast<std::size_t>(
                runtime::Random(static_cast<std::int32_t>(alphabet.size())))];
        SCOPED_TRACE(text);
        const auto outcome = Eval(text);
        EXPECT_GE(outcome.firstError, -1);
        EXPECT_LE(outcome.firstError, errNoSmallerPrime);
        if (outcome.aborted) {
            EXPECT_NE(outcome.firstError, -1);
        }
    }
}

} // namespace
} // namespace calc::testing
