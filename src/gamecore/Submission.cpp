// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The answer pre-pass and the comparison with the expected term.
#include "gamecore/Submission.h"

#include "calc/Evaluate.h"
#include "calc/NumCalc.h"
#include "runtime/IntText.h"

namespace gamecore {

SubmitResult SubmitAnswer(const std::string &entryText, PlayState &state) {
    SubmitResult result;
    const calc::Evaluation outcome = calc::Evaluate(entryText);
    if (outcome.aborted) {
        result.Outcome = TSubmitOutcome::soAborted;
        result.BoxText = entryText;
        return result;
    }
    result.BoxText = calc::FormatResult(true, outcome.value);

    std::int32_t number = 0;
    if (!runtime::TryStrToInt(result.BoxText, number)) {
        result.Outcome = TSubmitOutcome::soNotInteger;
        return result;
    }
    if (number != state.Answer) {
        result.Outcome = TSubmitOutcome::soWrong;
        return result;
    }
    if (state.TestMode) {
        result.Outcome = TSubmitOutcome::soCorrect;
    } else if (state.SeriesNumber < state.NumSeries) {
        ++state.SeriesNumber;
        result.Outcome = TSubmitOutcome::soCorrect;
    } else {
        result.Outcome = TSubmitOutcome::soCompleted;
    }
    return result;
}

} // namespace gamecore
