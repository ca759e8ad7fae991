// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics over argument lists, the greatest common divisor and Fibonacci numbers.
#include "calc/NumLib.h"

#include "runtime/Checked.h"
#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace calc {

using runtime::Add;
using runtime::Divide;
using runtime::Multiply;
using runtime::Subtract;

namespace {

const TExtendedArray &NonEmpty(const TExtendedArray &list) {
    if (list.empty())
        throw runtime::EInvalidArgument("empty list");
    return list;
}

// The median of the count elements from first on.
Extended MedianOfRange(const TExtendedArray &sorted, std::size_t first, std::size_t count) {
    if (count == 0 || first + count > sorted.size())
        throw runtime::EInvalidArgument("empty range");
    const std::size_t mid = first + count / 2;
    if (count % 2 == 1)
        return sorted[mid];
    return Divide(Add(sorted[mid - 1], sorted[mid]), 2);
}

// Rounds to the nearest 64-bit integer; an integral value, the usual case, skips the slower
// general rounding.
std::int64_t NearestInt64(Extended x) {
    return runtime::IntPart(x) == x ? runtime::TruncToInt64(x) : runtime::RoundToInt64(x);
}

// The sum of the squared deviations from the mean, each square added as it is computed.
Extended SquaredDeviations(const TExtendedArray &list) {
    const Extended mean = Divide(ListSum(NonEmpty(list)), static_cast<Extended>(list.size()));
    return runtime::CheckedLoop(
        [&] {
            Extended sum = 0;
            for (const Extended value : list)
                sum += (value - mean) * (value - mean);
            return sum;
        },
        [&] {
            TExtendedArray squares;
            squares.reserve(list.size());
            for (const Extended value : list) {
                const Extended d = Subtract(value, mean);
                squares.push_back(Multiply(d, d));
            }
            Extended sum = 0;
            for (const Extended square : squares)
                sum = Add(sum, square);
            return sum;
        });
}

// Whether every value is ordered against every other: no NaN among them.
bool Ordered(const TExtendedArray &list) {
    return std::none_of(list.begin(), list.end(), [](Extended v) { return std::isnan(v); });
}

} // namespace

Extended ListMin(const TExtendedArray &list) {
    Extended result = NonEmpty(list).front();
    for (const Extended value : list)
        if (result > value)
            result = value;
    return result;
}

Extended ListMax(const TExtendedArray &list) {
    Extended result = NonEmpty(list).front();
    for (const Extended value : list)
        if (result < value)
            result = value;
    return result;
}

Extended ListSum(const TExtendedArray &list) {
    return runtime::CheckedLoop(
        [&] {
            Extended sum = 0;
            for (const Extended value : list)
                sum += value;
            return sum;
        },
        [&] {
            Extended sum = 0;
            for (const Extended value : list)
                sum = Add(sum, value);
            return sum;
        });
}

Extended ListProduct(const TExtendedArray &list) {
    Extended product = 1;
    for (const Extended value : list)
        product = Multiply(product, value);
    return product;
}

Extended ExtractMin(TExtendedArray &list) {
    std::size_t at = 0;
    for (std::size_t i = 1; i < NonEmpty(list).size(); ++i)
        if (list[i] < list[at])
            at = i;
    const Extended value = list[at];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    return value;
}

TExtendedArray SortAscending(const TExtendedArray &list) {
    // Taking the first of equal minima again and again is what a stable sort gives; a NaN,
    // which the calculator's lists never hold, keeps the extraction's own order.
    if (Ordered(list)) {
        TExtendedArray sorted = list;
        std::stable_sort(sorted.begin(), sorted.end());
        return sorted;
    }
    TExtendedArray work = list;
    TExtendedArray result(list.size());
    for (Extended &slot : result)
        slot = ExtractMin(work);
    return result;
}

Extended MedianOfSorted(const TExtendedArray &sorted) {
    return MedianOfRange(sorted, 0, sorted.size());
}

Extended LowerQuartile(const TExtendedArray &sorted) {
    const std::size_t n = NonEmpty(sorted).size();
    if (n == 1)
        return sorted[0];
    return MedianOfRange(sorted, 0, n / 2);
}

Extended UpperQuartile(const TExtendedArray &sorted) {
    const std::size_t n = NonEmpty(sorted).size();
    if (n == 1)
        return sorted[0];
    return MedianOfRange(sorted, (n + 1) / 2, n / 2);
}

TExtendedArray ValueFrequencies(const TExtendedArray &list) {
    TExtendedArray result(list.size());
    if (!Ordered(list)) {
        // A NaN equals nothing, itself included.
        for (std::size_t i = 0; i < list.size(); ++i)
            result[i] = static_cast<Extended>(
                std::count_if(list.begin(), list.end(), [&](Extended v) { return v == list[i]; }));
        return result;
    }
    // Equal values lie in one run of the sorted positions; each gets the run's length.
    std::vector<std::size_t> order(list.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return list[a] < list[b]; });
    for (std::size_t first = 0; first < order.size();) {
        std::size_t end = first + 1;
        while (end < order.size() && list[order[end]] == list[order[first]])
            ++end;
        for (std::size_t i = first; i < end; ++i)
            result[order[i]] = static_cast<Extended>(end - first);
        first = end;
    }
    return result;
}

Extended StdDevPopulation(const TExtendedArray &list) {
    const Extended s = SquaredDeviations(list);
    return runtime::Sqrt(Divide(s, static_cast<Extended>(list.size())));
}

Extended StdDevSample(const TExtendedArray &list) {
    const Extended s = SquaredDeviations(list);
    if (list.size() == 1)
        return -1;
    return runtime::Sqrt(Divide(s, static_cast<Extended>(list.size() - 1)));
}

TExtendedArray NonZeroMagnitudes(const TExtendedArray &list) {
    TExtendedArray result;
    for (const Extended value : list)
        if (value != 0)
            result.push_back(std::fabs(value));
    return result;
}

std::uint64_t ListGCD(const TExtendedArray &list) {
    const TExtendedArray magnitudes = NonZeroMagnitudes(list);
    if (magnitudes.empty())
        throw runtime::EInvalidArgument("no non-zero value");
    // A smallest magnitude that rounds to 1 leaves no divisor to try, so no value needs an
    // integer form.
    if (ListMin(magnitudes) < 1.5L)
        return 1;
    std::uint64_t gcd = 0;
    for (const Extended value : list) {
        const std::int64_t v = NearestInt64(value);
        // The magnitude of the most negative value is 2^63, which fits unsigned.
        const std::uint64_t magnitude =
            v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        gcd = std::gcd(gcd, magnitude);
    }
    return gcd;
}

Extended Fibonacci(std::int32_t n) {
    if (n <= 0)
        return 0;
    if (n == 1)
        return 1;
    Extended a = 0, b = 1, r = 0;
    runtime::FpuFlags flags(runtime::FaultSources::Arithmetic);
    // The barriers keep the sums after the clear and before the test; the only fault of
    // adding these values is the overflow, which ends the loop.
    runtime::FpuBarrier(a);
    runtime::FpuBarrier(b);
    for (std::int32_t i = 2; i <= n; ++i) {
        r = a + b;
        if (std::isinf(r))
            break;
        if (i % 2 == 0)
            a = r;
        else
            b = r;
    }
    runtime::FpuBarrier(r);
    flags.raiseIfFaulted();
    return r;
}

} // namespace calc
