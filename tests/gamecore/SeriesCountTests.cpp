// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The count of a counted game: read as an integer, clamped to 1..999, nothing for no integer.
#include "gamecore/SeriesCount.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(SeriesCount, ReadsTheTextAsAnIntegerClampedToOneTo999) {
    struct Row {
        const char *text;
        std::optional<std::int32_t> expected;
    };
    const Row rows[] = {
        {"10", 10},
        {"0", 1},
        {"1", 1},
        {"999", 999},
        {"1000", 999},
        {"-5", 1},
        {"2147483647", 999},
        {"-2147483648", 1},
        {" 42", 42},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(gamecore::SeriesCount(row.text), row.expected);
    }
}

} // namespace
