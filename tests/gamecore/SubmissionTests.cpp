// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A submission: the calculator pre-pass, the integer reading and the counting of a game.
#include "gamecore/Submission.h"

#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "runtime/DecimalSeparator.h"

#include <gtest/gtest.h>

using gamecore::PlayState;
using gamecore::SubmitAnswer;
using gamecore::TSubmitOutcome;

namespace {

class Submission : public ::testing::Test {
  protected:
    void SetUp() override {
        runtime::SetDecimalSeparator('.');
        calc::InitVariables();
        calc::InitFunctions();
    }
    void TearDown() override { runtime::UseLocaleDecimalSeparator(); }
};

TEST_F(Submission, ACommaSeparatorIsWrittenIntoTheBox) {
    runtime::SetDecimalSeparator(',');
    PlayState state{false, 3, 1, 2};
    const auto result = SubmitAnswer("10/4", state);
    EXPECT_EQ(result.BoxText, "2,5");
    EXPECT_EQ(result.Outcome, TSubmitOutcome::soNotInteger);
}

TEST_F(Submission, EmptyEntryIsAcceptedWhenTheAnswerIsZero) {
    PlayState state{false, 5, 1, 0};
    EXPECT_EQ(SubmitAnswer("", state).Outcome, TSubmitOutcome::soCorrect);
    EXPECT_EQ(state.SeriesNumber, 2);
}

TEST_F(Submission, AnsBuildsOnThePreviousEvaluatedSubmissionOfTheGame) {
    PlayState state{true, 0, 1, 33};
    // Before any submission Ans is no number and counts as 0.
    EXPECT_EQ(SubmitAnswer("Ans", state).BoxText, "0");
    EXPECT_EQ(SubmitAnswer("2^5", state).Outcome, TSubmitOutcome::soWrong);
    EXPECT_EQ(SubmitAnswer("Ans+1", state).Outcome, TSubmitOutcome::soCorrect);
    // An empty entry leaves Ans alone.
    SubmitAnswer("", state);
    EXPECT_EQ(SubmitAnswer("Ans", state).BoxText, "33");
    // A new game's reset forgets it.
    calc::InitVariables();
    EXPECT_EQ(SubmitAnswer("Ans", state).BoxText, "0");
}

TEST_F(Submission, ACountOfZeroOrOneCompletesAtTheFirstCorrectAnswer) {
    for (std::int32_t count : {0, 1}) {
        SCOPED_TRACE(count);
        PlayState state{false, count, 1, 7};
        EXPECT_EQ(SubmitAnswer("7", state).Outcome, TSubmitOutcome::soCompleted);
    }
}

} // namespace
