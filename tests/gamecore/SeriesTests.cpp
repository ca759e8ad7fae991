// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sequence kinds: draw ranges, terms, answers and formula texts.
#include "gamecore/Series.h"

#include "runtime/Faults.h"
#include "runtime/Random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using gamecore::SeriesParams;
using gamecore::TSeriesKind;

namespace {

constexpr int Draws = 40000;

struct Range {
    std::int32_t lo, hi;
};

// Every value a kind's parameter and answer can take, per the draw table.
struct KindRanges {
    TSeriesKind kind;
    std::set<std::int32_t> starts; // empty: not drawn
    std::set<std::int32_t> steps;  // empty: not drawn
    Range answer;
};

std::set<std::int32_t> Span(std::int32_t lo, std::int32_t hi, std::set<std::int32_t> without = {}) {
    std::set<std::int32_t> values;
    for (std::int32_t v = lo; v <= hi; ++v)
        if (!without.count(v))
            values.insert(v);
    return values;
}

const std::vector<KindRanges> &Ranges() {
    static const std::vector<KindRanges> table = {
        {TSeriesKind::skArithmetic, Span(-200, 199), Span(-10, 10, {0}), {-240, 239}},
        {TSeriesKind::skGeometric, Span(-8, 7, {0}), Span(-10, 10, {0, 1}), {-80000, 70000}},
        {TSeriesKind::skAddMultiply, Span(0, 3), Span(2, 10), {60, 141100}},
        {TSeriesKind::skPower, {}, Span(2, 3), {25, 125}},
        {TSeriesKind::skSelfPower, {}, {}, {3125, 3125}},
        {TSeriesKind::skSecondOrder, Span(-200, 199), Span(-3, 3, {0}), {-230, 229}},
        {TSeriesKind::skPrimes, Span(1, 20), {}, {11, 89}},
    };
    return table;
}

TEST(CreateSeries, EveryKindDrawsExactlyItsParameterRangesAndAnswers) {
    runtime::RandSeed(20240611);
    std::map<TSeriesKind, std::set<std::int32_t>> starts, steps;
    std::map<TSeriesKind, int> counts;
    for (int i = 0; i < Draws; ++i) {
        // Sentinels show whether a kind touched a parameter it does not draw.
        const SeriesParams p = gamecore::CreateSeries(false, {TSeriesKind::skPrimes, 9999, 9999});
        const KindRanges &r = Ranges()[static_cast<std::size_t>(p.SeriesKind)];
        ++counts[p.SeriesKind];
        if (r.starts.empty())
            ASSERT_EQ(p.SeriesStart, 9999);
        else
            starts[p.SeriesKind].insert(p.SeriesStart);
        if (r.steps.empty())
            ASSERT_EQ(p.SeriesStep, 9999);
        else
            steps[p.SeriesKind].insert(p.SeriesStep);
        const auto terms = gamecore::SeriesTerms(p);
        ASSERT_GE(terms[4], r.answer.lo);
        ASSERT_LE(terms[4], r.answer.hi);
        for (int n = 0; n < 4; ++n)
            ASSERT_LE(std::abs(terms[static_cast<std::size_t>(n)]), 14100);
    }
    for (const KindRanges &r : Ranges()) {
        SCOPED_TRACE(static_cast<int>(r.kind));
        EXPECT_EQ(starts[r.kind], r.starts);
        EXPECT_EQ(steps[r.kind], r.steps);
    }
    // Shares of 4, 4, 5, 2, 2, 2 and 1 in 20, within a generous margin.
    const std::map<TSeriesKind, int> twentieths = {
        {TSeriesKind::skArithmetic, 4},  {TSeriesKind::skGeometric, 4},
        {TSeriesKind::skAddMultiply, 5}, {TSeriesKind::skPower, 2},
        {TSeriesKind::skSelfPower, 2},   {TSeriesKind::skSecondOrder, 2},
        {TSeriesKind::skPrimes, 1}};
    for (const auto &[kind, share] : twentieths) {
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_NEAR(counts[kind], Draws * share / 20, Draws / 100);
    }
}

// One row of the draw table: a parameter drawn from lo..hi, then 0 and 1 replaced.
struct ParamDraw {
    bool drawn;
    std::int32_t lo, hi;
    std::int32_t zeroBecomes, oneBecomes; // the value itself: no replacement
};

struct KindDraw {
    std::int32_t kHi; // the kind's k values end here
    TSeriesKind kind;
    ParamDraw start, step;
};

TEST(CreateSeries, DrawsKindThenStartThenStepWithTheirReplacementsAndNothingMore) {
    constexpr ParamDraw none{false, 0, 0, 0, 1};
    const KindDraw table[] = {
        {4, TSeriesKind::skArithmetic, {true, -200, 199, 0, 1}, {true, -10, 10, 1, 1}},
        {8, TSeriesKind::skGeometric, {true, -8, 7, 1, 1}, {true, -10, 10, 2, 2}},
        {13, TSeriesKind::skAddMultiply, {true, 0, 3, 0, 1}, {true, 1, 10, 2, 2}},
        {15, TSeriesKind::skPower, none, {true, 2, 3, 0, 1}},
        {17, TSeriesKind::skSelfPower, none, none},
        {19, TSeriesKind::skSecondOrder, {true, -200, 199, 0, 1}, {true, -3, 3, 1, 1}},
        {20, TSeriesKind::skPrimes, {true, 1, 20, 0, 1}, none},
    };
    const auto replay = [](const ParamDraw &d, std::int32_t kept) {
        if (!d.drawn)
            return kept;
        const std::int32_t v = runtime::RandomRange(d.lo, d.hi);
        return v == 0 ? d.zeroBecomes : v == 1 ? d.oneBecomes : v;
    };
    std::set<int> kinds;
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE(seed);
        runtime::RandSeed(seed);
        const SeriesParams got = gamecore::CreateSeries(false, {TSeriesKind::skPrimes, 7777, 8888});
        const std::int32_t after = runtime::RandomRange(0, 1 << 30);

        runtime::RandSeed(seed);
        const std::int32_t k = runtime::RandomRange(1, 20);
        const KindDraw *row = table;
        while (k > row->kHi)
            ++row;
        const std::int32_t start = replay(row->start, 7777);
        const std::int32_t step = replay(row->step, 8888);
        ASSERT_EQ(got.SeriesKind, row->kind);
        ASSERT_EQ(got.SeriesStart, start);
        ASSERT_EQ(got.SeriesStep, step);
        // No further draw was taken.
        ASSERT_EQ(after, runtime::RandomRange(0, 1 << 30));
        kinds.insert(static_cast<int>(got.SeriesKind));
    }
    EXPECT_EQ(kinds.size(), 7u);
}

TEST(CreateSeries, EasyDrawsOnlyArithmeticAndGeometricHalfEach) {
    runtime::RandSeed(99);
    int arithmetic = 0;
    for (int i = 0; i < Draws; ++i) {
        const SeriesParams p = gamecore::CreateSeries(true);
        ASSERT_TRUE(p.SeriesKind == TSeriesKind::skArithmetic ||
                    p.SeriesKind == TSeriesKind::skGeometric);
        arithmetic += p.SeriesKind == TSeriesKind::skArithmetic;
    }
    EXPECT_NEAR(arithmetic, Draws / 2, Draws / 50);
}

struct TermsRow {
    SeriesParams params;
    std::array<std::int32_t, 5> terms;
    const char *formula;
};

TEST(SeriesTermsAndFormula, ExamplesGiveTheirTermsAnswerAndText) {
    const TermsRow rows[] = {
        {{TSeriesKind::skArithmetic, 17, -4}, {17, 13, 9, 5, 1}, "a[1]=17\r\na[n+1]=a[n]-4"},
        {{TSeriesKind::skArithmetic, -40, 10},
         {-40, -30, -20, -10, 0},
         "a[1]=-40\r\na[n+1]=a[n]+10"},
        {{TSeriesKind::skArithmetic, -150, 3},
         {-150, -147, -144, -141, -138},
         "a[1]=-150\r\na[n+1]=a[n]+3"},
        {{TSeriesKind::skGeometric, 3, -2}, {3, -6, 12, -24, 48}, "a[1]=3\r\na[n+1]=a[n]\xD7(-2)"},
        {{TSeriesKind::skGeometric, -5, 4},
         {-5, -20, -80, -320, -1280},
         "a[1]=-5\r\na[n+1]=a[n]\xD7"
         "4"},
        {{TSeriesKind::skGeometric, 6, -1}, {6, -6, 6, -6, 6}, "a[1]=6\r\na[n+1]=a[n]\xD7(-1)"},
        {{TSeriesKind::skGeometric, -8, 10},
         {-8, -80, -800, -8000, -80000},
         "a[1]=-8\r\na[n+1]=a[n]\xD7"
         "10"},
        {{TSeriesKind::skAddMultiply, 1, 3},
         {1, 12, 45, 144, 441},
         "a[1]=1\r\na[n+1]=(a[n]+3)\xD7"
         "3"},
        {{TSeriesKind::skAddMultiply, 0, 2},
         {0, 4, 12, 28, 60},
         "a[1]=0\r\na[n+1]=(a[n]+2)\xD7"
         "2"},
        {{TSeriesKind::skAddMultiply, 3, 10},
         {3, 130, 1400, 14100, 141100},
         "a[1]=3\r\na[n+1]=(a[n]+10)\xD7"
         "10"},
        {{TSeriesKind::skPower, 77, 3}, {1, 8, 27, 64, 125}, "a[n]=n^3"},
        {{TSeriesKind::skPower, 0, 2}, {1, 4, 9, 16, 25}, "a[n]=n^2"},
        {{TSeriesKind::skSelfPower, -3, 8}, {1, 4, 27, 256, 3125}, "a[n]=n^n"},
        {{TSeriesKind::skSecondOrder, 5, 2}, {5, 7, 11, 17, 25}, "a[1]=5\r\na[n+1]=a[n]+2\xD7n"},
        {{TSeriesKind::skSecondOrder, 5, -2}, {5, 3, -1, -7, -15}, "a[1]=5\r\na[n+1]=a[n]-2\xD7n"},
        {{TSeriesKind::skPrimes, 4, 0},
         {7, 11, 13, 17, 19},
         "a[1]=7\r\na[n+1]=The prime number succeeding a[n]."},
        {{TSeriesKind::skPrimes, 20, 0},
         {71, 73, 79, 83, 89},
         "a[1]=71\r\na[n+1]=The prime number succeeding a[n]."},
        {{TSeriesKind::skPrimes, 1, 0},
         {2, 3, 5, 7, 11},
         "a[1]=2\r\na[n+1]=The prime number succeeding a[n]."},
    };
    for (const TermsRow &row : rows) {
        SCOPED_TRACE(row.formula);
        EXPECT_EQ(gamecore::SeriesTerms(row.params), row.terms);
        EXPECT_EQ(gamecore::SeriesFormula(row.params), row.formula);
    }
}

TEST(SeriesTerms, ParametersOutsideTheDrawAreRefusedRatherThanOverflowing) {
    EXPECT_THROW(gamecore::SeriesTerms({TSeriesKind::skGeometric, 1000, 1000}),
                 runtime::EIntOverflow);
    EXPECT_THROW(gamecore::SeriesTerms({TSeriesKind::skArithmetic, INT32_MAX, 1}),
                 runtime::EIntOverflow);
    EXPECT_THROW(gamecore::SeriesTerms({TSeriesKind::skPrimes, 22, 0}), std::out_of_range);
    EXPECT_THROW(gamecore::SeriesTerms({TSeriesKind::skPrimes, 0, 0}), std::out_of_range);
    EXPECT_EQ(gamecore::SeriesTerms({TSeriesKind::skPrimes, 21, 0})[4], 97);
}

TEST(Primes, AreTheTwentyFivePrimesBelowAHundred) {
    std::vector<std::int32_t> primes;
    for (int n = 2; n < 100; ++n) {
        bool prime = true;
        for (int d = 2; d * d <= n; ++d)
            prime = prime && n % d != 0;
        if (prime)
            primes.push_back(n);
    }
    ASSERT_EQ(primes.size(), 25u);
    for (int i = 1; i <= 25; ++i)
        EXPECT_EQ(gamecore::Primes(i), primes[static_cast<std::size_t>(i - 1)]);
}

} // namespace
