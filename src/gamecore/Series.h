// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The integer sequences of the puzzle: their kinds, the random draw, the terms and the
// formula that generates them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace gamecore {

enum class TSeriesKind : std::uint8_t {
    skArithmetic = 0,
    skGeometric = 1,
    skAddMultiply = 2,
    skPower = 3,
    skSelfPower = 4,
    skSecondOrder = 5,
    skPrimes = 6,
};

// The kind and its two parameters; a kind that does not use a parameter leaves it alone.
struct SeriesParams {
    TSeriesKind SeriesKind = TSeriesKind::skArithmetic;
    std::int32_t SeriesStart = 0;
    std::int32_t SeriesStep = 0;
};

inline constexpr int PrimeCount = 25;
// The primes below 100, indexed from 1.
std::int32_t Primes(int index);

std::int32_t AvoidZero(std::int32_t value, std::int32_t fallback);
std::int32_t AvoidOne(std::int32_t value, std::int32_t fallback);

// Draws a kind and the parameters it uses from runtime::RandomRange, kind first; the
// parameters the kind does not draw keep the values of previous.
SeriesParams CreateSeries(bool easyMode, SeriesParams previous = {});

// The four shown terms followed by the answer. Raises runtime::EIntOverflow for parameters
// no draw produces whose terms leave the 32-bit range, and std::out_of_range for a primes
// start outside 1..21.
std::array<std::int32_t, 5> SeriesTerms(const SeriesParams &params);

// The solution text in Windows-1252, lines separated by "\r\n".
std::string SeriesFormula(const SeriesParams &params);

} // namespace gamecore
