// A submission: the calculator pre-pass, the integer reading and the counting of a game.
#include "game/Submission.h"

#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "runtime/DecimalSeparator.h"

#include <gtest/gtest.h>

using game::PlayState;
using game::SubmitAnswer;
using game::TSubmitOutcome;

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

struct PrePassRow {
    const char *typed;
    const char *boxText;
    TSubmitOutcome outcome; // with the answer 32
};

TEST_F(Submission, RewritesTheEntryWithTheFormattedValueBeforeReadingIt) {
    const PrePassRow rows[] = {
        {"32", "32", TSubmitOutcome::soCorrect},
        {"2^5", "32", TSubmitOutcome::soCorrect},
        {"7*8", "56", TSubmitOutcome::soWrong},
        {"10/4", "2.5", TSubmitOutcome::soNotInteger},
        {"Pi", "3.14159265359", TSubmitOutcome::soNotInteger},
        {"2^40", "1.09951162778E12", TSubmitOutcome::soNotInteger},
        {"", "0", TSubmitOutcome::soWrong},
        {"abc", "0", TSubmitOutcome::soWrong},
        {"1/0", "0", TSubmitOutcome::soWrong},
        {"32.0000000000001", "32", TSubmitOutcome::soCorrect},
        {"123456789012", "123456789012", TSubmitOutcome::soNotInteger},
        {"-2147483648", "-2147483648", TSubmitOutcome::soWrong},
        {" 4 * 8 ", "32", TSubmitOutcome::soCorrect},
    };
    for (const PrePassRow &row : rows) {
        SCOPED_TRACE(row.typed);
        PlayState state{true, 0, 1, 32};
        const auto result = SubmitAnswer(row.typed, state);
        EXPECT_EQ(result.BoxText, row.boxText);
        EXPECT_EQ(result.Outcome, row.outcome);
        EXPECT_EQ(state.SeriesNumber, 1); // training mode counts nothing
    }
}

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

TEST_F(Submission, ACountedGameOfThreeCompletesAtItsThirdCorrectAnswer) {
    PlayState state{false, 3, 1, 7};
    EXPECT_EQ(SubmitAnswer("6", state).Outcome, TSubmitOutcome::soWrong);
    EXPECT_EQ(state.SeriesNumber, 1);
    EXPECT_EQ(SubmitAnswer("7", state).Outcome, TSubmitOutcome::soCorrect);
    EXPECT_EQ(state.SeriesNumber, 2);
    EXPECT_EQ(SubmitAnswer("7", state).Outcome, TSubmitOutcome::soCorrect);
    EXPECT_EQ(state.SeriesNumber, 3);
    EXPECT_EQ(SubmitAnswer("7", state).Outcome, TSubmitOutcome::soCompleted);
    EXPECT_EQ(state.SeriesNumber, 3);
}

TEST_F(Submission, ACountOfZeroOrOneCompletesAtTheFirstCorrectAnswer) {
    for (std::int32_t count : {0, 1}) {
        SCOPED_TRACE(count);
        PlayState state{false, count, 1, 7};
        EXPECT_EQ(SubmitAnswer("7", state).Outcome, TSubmitOutcome::soCompleted);
    }
}

TEST_F(Submission, ASilentAbortLeavesTheTypedTextAndCountsNothing) {
    // A second error within one evaluation stops it silently.
    PlayState state{false, 3, 1, 0};
    const auto result = SubmitAnswer("sqrt(-1)+sqrt(-1)", state);
    EXPECT_EQ(result.Outcome, TSubmitOutcome::soAborted);
    EXPECT_EQ(result.BoxText, "sqrt(-1)+sqrt(-1)");
    EXPECT_EQ(state.SeriesNumber, 1);
}

} // namespace
