// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sequence kinds: the draw table, the terms and the solution formula.
#include "gamecore/Series.h"

#include "runtime/Faults.h"
#include "runtime/IntText.h"
#include "runtime/Random.h"

#include <stdexcept>

namespace gamecore {

namespace {

constexpr std::array<std::int32_t, PrimeCount> PrimeTable = {
    2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

// Terms are computed wide and checked, so parameters from outside the draw cannot overflow.
std::int32_t Narrow(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX)
        throw runtime::EIntOverflow();
    return static_cast<std::int32_t>(value);
}

std::int64_t IntPower(std::int64_t base, std::int32_t exponent) {
    std::int64_t result = 1;
    for (std::int32_t i = 0; i < exponent; ++i) {
        result *= base;
        if (result < INT32_MIN || result > INT32_MAX)
            throw runtime::EIntOverflow();
    }
    return result;
}

std::string Bracketed(std::int32_t value) {
    const std::string text = runtime::IntToStr(value);
    return value < 0 ? "(" + text + ")" : text;
}

void ReplaceAll(std::string &text, const std::string &from, const std::string &to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::int32_t Primes(int index) {
    if (index < 1 || index > PrimeCount)
        throw std::out_of_range("prime index " + std::to_string(index));
    return PrimeTable[static_cast<std::size_t>(index - 1)];
}

std::int32_t AvoidZero(std::int32_t value, std::int32_t fallback) {
    return value == 0 ? fallback : value;
}

std::int32_t AvoidOne(std::int32_t value, std::int32_t fallback) {
    return value == 1 ? fallback : value;
}

SeriesParams CreateSeries(bool easyMode, SeriesParams previous) {
    using runtime::RandomRange;
    SeriesParams p = previous;
    const std::int32_t k = RandomRange(1, easyMode ? 8 : 20);
    if (k <= 4) {
        p.SeriesKind = TSeriesKind::skArithmetic;
        p.SeriesStart = RandomRange(-200, 199);
        p.SeriesStep = AvoidZero(RandomRange(-10, 10), 1);
    } else if (k <= 8) {
        p.SeriesKind = TSeriesKind::skGeometric;
        p.SeriesStart = AvoidZero(RandomRange(-8, 7), 1);
        p.SeriesStep = AvoidOne(AvoidZero(RandomRange(-10, 10), 2), 2);
    } else if (k <= 13) {
        p.SeriesKind = TSeriesKind::skAddMultiply;
        p.SeriesStart = RandomRange(0, 3);
        p.SeriesStep = AvoidOne(AvoidZero(RandomRange(1, 10), 2), 2);
    } else if (k <= 15) {
        p.SeriesKind = TSeriesKind::skPower;
        p.SeriesStep = RandomRange(2, 3);
    } else if (k <= 17) {
        p.SeriesKind = TSeriesKind::skSelfPower;
    } else if (k <= 19) {
        p.SeriesKind = TSeriesKind::skSecondOrder;
        p.SeriesStart = RandomRange(-200, 199);
        p.SeriesStep = AvoidZero(RandomRange(-3, 3), 1);
    } else {
        p.SeriesKind = TSeriesKind::skPrimes;
        p.SeriesStart = RandomRange(1, 20);
    }
    return p;
}

std::array<std::int32_t, 5> SeriesTerms(const SeriesParams &params) {
    const std::int64_t s = params.SeriesStart;
    const std::int64_t d = params.SeriesStep;
    std::array<std::int32_t, 5> t{};
    for (std::int32_t n = 1; n <= 5; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        switch (params.SeriesKind) {
        case TSeriesKind::skArithmetic:
            t[i] = Narrow(s + (n - 1) * d);
            break;
        case TSeriesKind::skGeometric:
            t[i] = Narrow(s * IntPower(d, n - 1));
            break;
        case TSeriesKind::skAddMultiply:
            t[i] = n == 1 ? Narrow(s) : Narrow((t[i - 1] + d) * d);
            break;
        case TSeriesKind::skPower:
            if (d < 0)
                throw std::out_of_range("negative exponent");
            t[i] = Narrow(IntPower(n, params.SeriesStep));
            break;
        case TSeriesKind::skSelfPower:
            t[i] = Narrow(IntPower(n, n));
            break;
        case TSeriesKind::skSecondOrder:
            t[i] = n == 1 ? Narrow(s) : Narrow(t[i - 1] + (n - 1) * d);
            break;
        case TSeriesKind::skPrimes:
            t[i] = Primes(params.SeriesStart + n - 1);
            break;
        }
    }
    return t;
}

std::string SeriesFormula(const SeriesParams &params) {
    using runtime::IntToStr;
    const std::int32_t s = params.SeriesStart;
    const std::int32_t d = params.SeriesStep;
    const std::string times = "\xD7"; // the multiplication sign in Windows-1252
    std::string text;
    switch (params.SeriesKind) {
    case TSeriesKind::skArithmetic:
        text = "a[1]=" + IntToStr(s) + "|a[n+1]=a[n]+" + IntToStr(d);
        break;
    case TSeriesKind::skGeometric:
        text = "a[1]=" + IntToStr(s) + "|a[n+1]=a[n]" + times + Bracketed(d);
        break;
    case TSeriesKind::skAddMultiply:
        text = "a[1]=" + IntToStr(s) + "|a[n+1]=(a[n]+" + IntToStr(d) + ")" + times + Bracketed(d);
        break;
    case TSeriesKind::skPower:
        text = "a[n]=n^" + IntToStr(d);
        break;
    case TSeriesKind::skSelfPower:
        text = "a[n]=n^n";
        break;
    case TSeriesKind::skSecondOrder:
        text = "a[1]=" + IntToStr(s) + "|a[n+1]=a[n]+" + IntToStr(d) + times + "n";
        break;
    case TSeriesKind::skPrimes:
        text = "a[1]=" + IntToStr(Primes(s)) + "|a[n+1]=The prime number succeeding a[n].";
        break;
    }
    ReplaceAll(text, "+-", "-");
    ReplaceAll(text, "|", "\r\n");
    return text;
}

} // namespace gamecore
