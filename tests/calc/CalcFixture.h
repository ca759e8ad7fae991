// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A test fixture that gives every calculator test fresh tables, cleared error state, a fixed
// random seed and a chosen decimal separator, with helpers to evaluate and compare.
#pragma once

#include "calc/CalcErrors.h"
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/Evaluate.h"
#include "calc/NumCalc.h"
#include "calc/detail/OperatorLevel.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"
#include "runtime/Faults.h"
#include "runtime/Random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calc::testing {

// One expected evaluation: the text and the value are written with "." as the decimal
// separator and rewritten for the one under test; the value is compared as the calculator
// writes it with 18 digits.
struct ExprRow {
    std::string text;
    std::string value;
    int error = -1;
    bool aborted = false;
};

// A "Kvarnelo" box that the calculator asked for.
struct ShownBox {
    std::string text;
    std::string caption;
    bool topmost = false;
};

class CalcFixture : public ::testing::Test {
  protected:
    void SetUp() override { Reset('.'); }
    void TearDown() override {
        runtime::SetErrorBoxHandler(nullptr);
        runtime::UseLocaleDecimalSeparator();
    }

    void Reset(char separator) {
        runtime::SetDecimalSeparator(separator);
        InitVariables();
        InitFunctions();
        ResetErrorState(true);
        ImmediateErrors = 0;
        runtime::RandSeed(20240601);
        boxes.clear();
        runtime::SetErrorBoxHandler(
            [this](const std::string &text, const std::string &caption, bool topmost) {
                boxes.push_back({text, caption, topmost});
            });
    }

    static Evaluation Eval(const std::string &text) { return Evaluate(text); }

    // The outcome of another evaluator (the previous implementation, for equivalence), read
    // from the error state as its callers did.
    template <class Evaluator>
    static Evaluation EvalWith(const std::string &text, Evaluator evaluate) {
        Evaluation outcome;
        try {
            outcome.value = evaluate(text);
        } catch (const runtime::EAbort &) {
            outcome.aborted = true;
        }
        outcome.firstError = FirstError;
        outcome.message = FirstErrorMessage;
        return outcome;
    }

    static void CheckRows(const std::vector<ExprRow> &rows) {
        for (const ExprRow &row : rows) {
            SCOPED_TRACE(row.text);
            const Evaluation outcome = Eval(Local(row.text));
            EXPECT_EQ(FormatResult(false, outcome.value), Local(row.value));
            EXPECT_EQ(outcome.firstError, row.error);
            EXPECT_EQ(outcome.aborted, row.aborted);
        }
    }

    // A text written with "." as the decimal separator, in the current separator.
    static std::string Local(std::string text) {
        const char separator = runtime::DecimalSeparator();
        for (char &c : text)
            if (c == '.')
                c = separator;
        return text;
    }

    // The value that the calculator gives for a decimal text of at most 18 digits.
    static Extended Value(const std::string &pointText) { return ParseReal(Local(pointText)); }

    std::vector<ShownBox> boxes;
};

// The same fixture run once with "." and once with "," as the decimal separator.
class CalcFixtureSep : public CalcFixture, public ::testing::WithParamInterface<char> {
  protected:
    void SetUp() override { Reset(GetParam()); }
};

inline std::string SeparatorName(const ::testing::TestParamInfo<char> &info) {
    return info.param == ',' ? "Comma" : "Point";
}

#define CALC_BOTH_SEPARATORS(suite)                                                                \
    INSTANTIATE_TEST_SUITE_P(Separators, suite, ::testing::Values('.', ','),                       \
                             ::calc::testing::SeparatorName)

} // namespace calc::testing
