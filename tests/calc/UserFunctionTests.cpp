// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// User functions: the lookup after the built-ins, the argument count, the substitution of
// parameters into the body and its nested evaluation.
#include "CalcFixture.h"

namespace calc::testing {
namespace {

using UserFunctions = CalcFixture;

TEST_F(UserFunctions, ABodyIsEvaluatedWithItsArgumentsWrittenIn) {
    Functions.push_back({"sq", {"a"}, "a^2"});
    Functions.push_back({"hyp", {"a", "b"}, "sqrt(a*a+b*b)"});
    Functions.push_back({"neg", {"a"}, "-a!"});
    Functions.push_back({"callsParam", {"f"}, "f(2)"});
    struct Row {
        const char *text;
        Extended value;
        int error;
    };
    const Row rows[] = {
        {"sq(3)", 9, -1},
        {"sq(-3)", 9, -1}, // the value is grouped before "^", sign included
        {"hyp(3;4)", 5, -1},
        {"neg(3)", -6, -1},
        // A "(" after a parameter does not keep it from being replaced: 2[2] is unknown.
        {"callsParam(2)", 0, errUnknownFunction},
        {"sq(1;2)", 0, errArgumentCount},
        {"cube(2)", 0, errUnknownFunction},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const Evaluation outcome = Eval(row.text);
        EXPECT_EQ(outcome.value, row.value);
        EXPECT_EQ(outcome.firstError, row.error);
    }
}

TEST_F(UserFunctions, BuiltInsComeFirst) {
    Functions.push_back({"abs", {"a"}, "0"});
    EXPECT_EQ(EvaluateExpression("abs(-2)"), 2);
}

TEST_F(UserFunctions, TheNestedEvaluationStoresAnsAndForgetsEarlierErrors) {
    Functions.push_back({"twice", {"a"}, "2*a"});
    EXPECT_EQ(CallFunction("twice", {21}), 42);
    Extended ans = 0;
    ASSERT_TRUE(GetVariable("Ans", ans));
    EXPECT_EQ(ans, 42);
    // An error of the caller is forgotten by the nested evaluation, so a later one returns.
    const Evaluation outcome = Eval("twice(2.5!)+2.5!");
    EXPECT_FALSE(outcome.aborted);
    EXPECT_EQ(outcome.firstError, errNaturalExpected);
}

} // namespace
} // namespace calc::testing
