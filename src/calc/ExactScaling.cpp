// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exact scaling of a 64-bit integer by powers of two and ten, in 128- and 192-bit integers.
#include "calc/detail/ExactScaling.h"

namespace calc::detail {

namespace {

// The rest of a division by a power of two against one half, from the top bit of the rest
// and whether any bit under it is set.
int RestAgainstHalf(bool halfBit, bool anyBelow) {
    return !halfBit ? -1 : (anyBelow ? 1 : 0);
}

// m * 10^decimal >> shift, for decimal 0..19 and shift 1..127: 10^19 < 2^64, so the product
// of two 64-bit numbers fits in 128 bits.
bool ScaleUpNarrow(std::uint64_t m, int shift, int decimal, std::uint64_t &quotient, int &rest) {
    const UInt128 product =
        runtime::Multiply64(m, runtime::Low64(kPowersOfTen128[static_cast<std::size_t>(decimal)]));
    if (runtime::High64(product >> shift) != 0)
        return false;
    quotient = runtime::Low64(product >> shift);
    const UInt128 below = product & ((UInt128{1} << shift) - 1);
    const UInt128 half = UInt128{1} << (shift - 1);
    rest = below < half ? -1 : (below == half ? 0 : 1);
    return true;
}

// The same for decimal 20..38 and shift 1..128: 10^38 < 2^127 takes two words, so the product
// takes three, from the least significant up.
bool ScaleUpWide(std::uint64_t m, int shift, int decimal, std::uint64_t &quotient, int &rest) {
    const UInt128 power = kPowersOfTen128[static_cast<std::size_t>(decimal)];
    const UInt128 low = runtime::Multiply64(m, runtime::Low64(power));
    const UInt128 high = runtime::Multiply64(m, runtime::High64(power));
    // The middle word and its carry into the top one: both sums fit, as m * 10^38 < 2^191.
    const UInt128 middle = UInt128{runtime::High64(low)} + UInt128{runtime::Low64(high)};
    const std::uint64_t words[3] = {runtime::Low64(low), runtime::Low64(middle),
                                    runtime::High64(middle) + runtime::High64(high)};
    const auto word = [&](int i) { return i < 3 ? words[i] : 0; };
    // The quotient must fit in 64 bits: nothing may be set from bit shift + 64 on.
    for (int bit = shift + 64; bit < 192; bit += 64 - bit % 64)
        if (word(bit / 64) >> (bit % 64) != 0)
            return false;
    const int first = shift / 64, offset = shift % 64;
    quotient = words[first] >> offset;
    if (offset != 0)
        quotient |= word(first + 1) << (64 - offset);
    // The bit just under the quotient is the half; any bit under it puts the rest above.
    const int halfBit = shift - 1;
    bool anyBelow = false;
    for (int i = 0; i * 64 < halfBit && !anyBelow; ++i) {
        const int count = halfBit - i * 64; // the bits of word i under the half, if below 64
        const std::uint64_t mask =
            count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
        anyBelow = (words[i] & mask) != 0;
    }
    rest = RestAgainstHalf(((words[halfBit / 64] >> (halfBit % 64)) & 1u) != 0, anyBelow);
    return true;
}

// (m << binary) / 10^-decimal, or m / (10^-decimal << -binary) for binary -4..-1, as one
// 128-bit division.
bool ScaleDown(std::uint64_t m, int binary, int decimal, std::uint64_t &quotient, int &rest) {
    const UInt128 numerator = UInt128{m} << (binary > 0 ? binary : 0);
    const UInt128 denominator = kPowersOfTen128[static_cast<std::size_t>(-decimal)]
                                << (binary < 0 ? -binary : 0);
    // Below 2^126, twice the remainder below still fits.
    if (runtime::High64(denominator) >> 62 != 0)
        return false;
    const UInt128 q = numerator / denominator;
    if (runtime::High64(q) != 0)
        return false;
    quotient = runtime::Low64(q);
    const UInt128 twice = (numerator % denominator) << 1;
    rest = twice < denominator ? -1 : (twice == denominator ? 0 : 1);
    return true;
}

} // namespace

bool ScaleExactly(std::uint64_t m, int binary, int decimal, std::uint64_t &quotient, int &rest) {
    // 10^38 is the largest power of ten in 128 bits.
    if (decimal > 38 || decimal < -38)
        return false;
    if (binary < 0 && decimal >= 0) {
        const int shift = -binary;
        if (decimal <= 19 && shift <= 127)
            return ScaleUpNarrow(m, shift, decimal, quotient, rest);
        // Beyond 128 bits of shift the three words would have to be four.
        if (shift > 128)
            return false;
        return ScaleUpWide(m, shift, decimal, quotient, rest);
    }
    // The numerator m << binary must stay within 127 bits (binary <= 63); a division by more
    // than 2^4 or, with a fraction of two, by more than 10^19 is not needed by any caller and
    // might not fit.
    if (decimal > 0 || binary > 63 || binary < -4 || (binary < 0 && decimal < -19))
        return false;
    return ScaleDown(m, binary, decimal, quotient, rest);
}

} // namespace calc::detail
