// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken texts are short English sentences, one full stop each.
#include "look/Spoken.h"

#include <gtest/gtest.h>

namespace {

TEST(SpokenTexts, AreShortEnglishSentences) {
    const look::Terms terms{"3", "6", "9", "12"};
    const struct {
        std::string spoken, expected;
    } rows[] = {
        {look::SequenceSpoken(terms), "Sequence: 3, 6, 9, 12."},
        {look::SequenceSpoken(terms, true),
         "Sequence: 3, 6, 9, 12. Press F1 (Help) to show the solution."},
        {look::SequenceDescription({"-1", "1", "-1", "1"}), "Current sequence: -1, 1, -1, 1."},
        {look::WrongSpoken(), "Wrong."},
        {look::CorrectSpoken(terms), "Correct. Next sequence: 3, 6, 9, 12."},
        {look::CompletedSpoken(), "Correct. All sequences completed."},
        {look::HelpSpoken("48", "a[1]=3\na[n+1]=a[n]\xC3\x97(-2)"),
         "Answer: 48. a[1]=3. a[n+1]=a[n]\xC3\x97(-2)."},
        // A line that ends a sentence already gets no second full stop; empty lines none.
        {look::HelpSpoken("13", "a[1]=2\na[n+1]=The prime number succeeding a[n].\n"),
         "Answer: 13. a[1]=2. a[n+1]=The prime number succeeding a[n]."},
        {look::HelpSpoken("125", "a[n]=n^3"), "Answer: 125. a[n]=n^3."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.spoken, row.expected);
}

} // namespace
