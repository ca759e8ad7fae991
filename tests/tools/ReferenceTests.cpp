// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The console's reference against the calculator itself: every listed built-in is one the
// calculator knows, with the listed number of arguments, and every error code has a gloss.
#include "calc/CalcErrors.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "runtime/Cp1252.h"
#include "runtime/Faults.h"
#include "tools/Interactive.h"
#include "tools/Reference.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

class ConsoleReference : public ::testing::Test {
  protected:
    void SetUp() override { calc::InitVariables(); }

    // The first error code of evaluating text, -1 for none; an abort counts as -2.
    static int FirstErrorOf(const std::string &text) {
        try {
            calc::EvaluateExpression(text);
        } catch (const runtime::EAbort &) {
            return -2;
        }
        return calc::FirstError;
    }
};

std::string Call(const std::string &name, int arguments) {
    std::string text = name + "(";
    for (int i = 0; i < arguments; ++i)
        text += i == 0 ? "2" : ";2";
    return text + ")";
}

TEST_F(ConsoleReference, ListsEachBuiltinOfTheCalculatorOnceWithItsArgumentCount) {
    std::set<std::string> names;
    for (const tools::BuiltinInfo &builtin : tools::Builtins()) {
        SCOPED_TRACE(builtin.Name);
        EXPECT_TRUE(names.insert(builtin.Name).second);
        if (builtin.ArgumentCount == tools::kListArguments) {
            for (const int count : {1, 3}) {
                const int error = FirstErrorOf(Call(builtin.Name, count));
                EXPECT_NE(error, calc::errUnknownFunction);
                EXPECT_NE(error, calc::errArgumentCount);
            }
        } else {
            const int error = FirstErrorOf(Call(builtin.Name, builtin.ArgumentCount));
            EXPECT_NE(error, calc::errUnknownFunction);
            EXPECT_NE(error, calc::errArgumentCount);
            EXPECT_EQ(FirstErrorOf(Call(builtin.Name, builtin.ArgumentCount + 1)),
                      calc::errArgumentCount);
        }
    }
    EXPECT_EQ(names.size(), 57u);
    // The check can fail: a name the calculator does not know is told apart.
    EXPECT_EQ(FirstErrorOf(Call("Sqrt", 1)), calc::errUnknownFunction);
}

// The manual's table groups the built-ins ("sin, cos, tan, cot@1@..."); read in order, its
// names and argument counts are the console's.
TEST_F(ConsoleReference, TheManualListsTheSameBuiltins) {
    std::ifstream manual(QUINTARA_CALC_MANUAL);
    ASSERT_TRUE(manual.good());
    std::vector<std::pair<std::string, std::string>> listed;
    bool inTable = false;
    for (std::string line; std::getline(manual, line);) {
        if (line == "Name@Args@Value") {
            inTable = true;
            continue;
        }
        if (line == ".TE")
            inTable = false;
        if (!inTable)
            continue;
        const std::size_t at = line.find('@');
        ASSERT_NE(at, std::string::npos) << line;
        const std::string count = line.substr(at + 1, line.find('@', at + 1) - at - 1);
        std::istringstream names(line.substr(0, at));
        for (std::string name; std::getline(names, name, ',');)
            listed.emplace_back(name.substr(name.find_first_not_of(' ')), count);
    }
    std::vector<std::pair<std::string, std::string>> known;
    for (const tools::BuiltinInfo &builtin : tools::Builtins())
        known.emplace_back(builtin.Name, builtin.ArgumentCount == tools::kListArguments
                                             ? "any"
                                             : std::to_string(builtin.ArgumentCount));
    EXPECT_EQ(listed, known);
}

TEST_F(ConsoleReference, GlossesEveryErrorCode) {
    struct Row {
        int code;
        const char *start;
    };
    const Row rows[] = {
        {0, "error: syntax error (errSyntax): "},
        {1, "error: division by zero (errDivisionByZero): "},
        {2, "error: wrong number of arguments (errArgumentCount): "},
        {3, "error: invalid argument (errInvalidArgument): "},
        {4, "error: unknown variable or constant (errUnknownVariable): "},
        {5, "error: unknown function (errUnknownFunction): "},
        {6, "error: the result is no real number within the calculator's range (errNotReal): "},
        {7, "error: the function is not defined for this argument (errCannotCompute): "},
        {8, "error: a natural number (0, 1, 2, ...) was expected (errNaturalExpected): "},
        {9, "error: a whole number was expected (errIntegerExpected): "},
        {10, "error: the expression cannot be read; check its syntax (errUnknown): "},
        {11, "error: there is no smaller prime, the smallest is 2 (errNoSmallerPrime): "},
        {12, "error: unspecified error (error code 12): "},
        {255, "error: unspecified error (error code 255): "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.code);
        const std::string message =
            calc::CalcErrorMessage(static_cast<calc::TCalcError>(row.code), "fact");
        EXPECT_EQ(tools::ErrorLine(row.code, message), row.start + runtime::Cp1252ToUtf8(message));
    }
}

TEST_F(ConsoleReference, CompletesBuiltinsAndTheNamedValuesThatExistNow) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(tools::CompletionsFor("sq"), Names{"sqrt("});
    EXPECT_EQ(tools::CompletionsFor("lo"), (Names{"log10(", "log2(", "log("}));
    EXPECT_EQ(tools::CompletionsFor("P"), (Names{"P(", "PrevPrime(", "PTR(", "Pi", "Phi"}));
    EXPECT_EQ(tools::CompletionsFor("The"), Names{});
    EXPECT_EQ(tools::CompletionsFor("A"), Names{});
    calc::EvaluateExpression("RTP(3;4)");
    EXPECT_EQ(tools::CompletionsFor("The"), Names{"Theta"});
    EXPECT_EQ(tools::CompletionsFor("A"), Names{"Ans"});
    EXPECT_EQ(tools::CompletionsFor("pi"), Names{});
    EXPECT_EQ(tools::CompletionsFor("").size(), 57u + calc::Variables.size());
}

} // namespace
