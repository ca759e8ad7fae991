// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics over argument lists, the greatest common divisor and Fibonacci numbers.
#include "calc/NumLib.h"

#include "runtime/Checked.h"
#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#include <cmath>
#include <numeric>

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

// The sum of the squared deviations from the mean.
Extended SquaredDeviations(const TExtendedArray &list) {
    const Extended mean = Divide(ListSum(NonEmpty(list)), static_cast<Extended>(list.size()));
    TExtendedArray squares;
    squares.reserve(list.size());
    for (const Extended value : list) {
        const Extended d = Subtract(value, mean);
        squares.push_back(Multiply(d, d));
    }
    return ListSum(squares);
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
    Extended sum = 0;
    for (const Extended value : list)
        sum = Add(sum, value);
    return sum;
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
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::size_t count = 0;
        for (const Extended value : list)
            if (value == list[i])
                ++count;
        result[i] = static_cast<Extended>(count);
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
    runtime::FpuFlags flags;
    for (std::int32_t i = 2; i <= n; ++i) {
        runtime::FpuBarrier(a);
        runtime::FpuBarrier(b);
        r = a + b;
        runtime::FpuBarrier(r);
        if (std::isinf(r))
            break; // the overflow flag is set and raised below
        if (i % 2 == 0)
            a = r;
        else
            b = r;
    }
    flags.raiseIfFaulted();
    return r;
}

} // namespace calc
