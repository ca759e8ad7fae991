// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An unsigned 128-bit integer: the compiler's own where it has one, otherwise two 64-bit
// halves with the same results (32-bit targets such as i686 have no 128-bit type).
// QUINTARA_PORTABLE_UINT128 forces the halves, so that both kinds are tested on one machine.
#pragma once

#include <cstdint>

namespace runtime {

// The portable kind, defined everywhere so that tests can hold it against the built-in one.
namespace portable {

class UInt128 {
  public:
    constexpr UInt128(std::uint64_t low = 0) : lo(low) {}
    constexpr UInt128(std::uint64_t high, std::uint64_t low) : lo(low), hi(high) {}

    constexpr explicit operator std::uint64_t() const { return lo; }
    constexpr std::uint64_t Low() const { return lo; }
    constexpr std::uint64_t High() const { return hi; }

    // Shifts by 0 to 127 bits, as the built-in type defines them.
    friend constexpr UInt128 operator<<(UInt128 x, int n) {
        if (n == 0)
            return x;
        if (n >= 64)
            return {x.lo << (n - 64), 0};
        return {(x.hi << n) | (x.lo >> (64 - n)), x.lo << n};
    }
    friend constexpr UInt128 operator>>(UInt128 x, int n) {
        if (n == 0)
            return x;
        if (n >= 64)
            return {0, x.hi >> (n - 64)};
        return {x.hi >> n, (x.lo >> n) | (x.hi << (64 - n))};
    }
    friend constexpr UInt128 operator&(UInt128 a, UInt128 b) { return {a.hi & b.hi, a.lo & b.lo}; }
    friend constexpr UInt128 operator|(UInt128 a, UInt128 b) { return {a.hi | b.hi, a.lo | b.lo}; }
    // Sums and differences wrap modulo 2^128.
    friend constexpr UInt128 operator+(UInt128 a, UInt128 b) {
        const std::uint64_t low = a.lo + b.lo;
        return {a.hi + b.hi + (low < a.lo ? 1u : 0u), low};
    }
    friend constexpr UInt128 operator-(UInt128 a, UInt128 b) {
        return {a.hi - b.hi - (a.lo < b.lo ? 1u : 0u), a.lo - b.lo};
    }
    // The product modulo 2^128, as the built-in type gives it.
    friend constexpr UInt128 operator*(UInt128 a, UInt128 b) {
        const UInt128 low = Product(a.lo, b.lo);
        return {low.hi + a.hi * b.lo + a.lo * b.hi, low.lo};
    }
    friend constexpr UInt128 operator/(UInt128 a, UInt128 b) {
        UInt128 remainder;
        return DivMod(a, b, remainder);
    }
    friend constexpr UInt128 operator%(UInt128 a, UInt128 b) {
        UInt128 remainder;
        DivMod(a, b, remainder);
        return remainder;
    }

    friend constexpr bool operator==(UInt128 a, UInt128 b) { return a.hi == b.hi && a.lo == b.lo; }
    friend constexpr bool operator<(UInt128 a, UInt128 b) {
        return a.hi < b.hi || (a.hi == b.hi && a.lo < b.lo);
    }
    friend constexpr bool operator>(UInt128 a, UInt128 b) { return b < a; }
    friend constexpr bool operator<=(UInt128 a, UInt128 b) { return !(b < a); }
    friend constexpr bool operator>=(UInt128 a, UInt128 b) { return !(a < b); }

    constexpr UInt128 &operator*=(UInt128 b) { return *this = *this * b; }

    // The full product of two 64-bit numbers, from four 32-bit partial products.
    static constexpr UInt128 Product(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
        const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
        const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
        // Each sum below stays under 2^64: three 32-bit parts at most.
        const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
        return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
                (middle << 32) | (p00 & 0xFFFFFFFFu)};
    }

  private:
    // Long division a bit at a time: slow, but only 32-bit targets take it.
    static constexpr UInt128 DivMod(UInt128 a, UInt128 b, UInt128 &remainder) {
        UInt128 quotient;
        remainder = 0;
        for (int bit = 127; bit >= 0; --bit) {
            remainder = (remainder << 1) | ((a >> bit).lo & 1u);
            if (remainder >= b) {
                remainder = remainder - b;
                quotient = quotient | (UInt128{1} << bit);
            }
        }
        return quotient;
    }

    std::uint64_t lo = 0;
    std::uint64_t hi = 0;
};

} // namespace portable

} // namespace runtime

#if defined(__SIZEOF_INT128__) && !defined(QUINTARA_PORTABLE_UINT128)

namespace runtime {

__extension__ typedef unsigned __int128 UInt128;

constexpr UInt128 MakeUInt128(std::uint64_t high, std::uint64_t low) {
    return (static_cast<UInt128>(high) << 64) | low;
}
constexpr std::uint64_t Low64(UInt128 x) {
    return static_cast<std::uint64_t>(x);
}
constexpr std::uint64_t High64(UInt128 x) {
    return static_cast<std::uint64_t>(x >> 64);
}
// The full product of two 64-bit numbers.
constexpr UInt128 Multiply64(std::uint64_t a, std::uint64_t b) {
    return static_cast<UInt128>(a) * b;
}

} // namespace runtime

#else

namespace runtime {

using UInt128 = portable::UInt128;

constexpr UInt128 MakeUInt128(std::uint64_t high, std::uint64_t low) {
    return {high, low};
}
constexpr std::uint64_t Low64(UInt128 x) {
    return x.Low();
}
constexpr std::uint64_t High64(UInt128 x) {
    return x.High();
}
constexpr UInt128 Multiply64(std::uint64_t a, std::uint64_t b) {
    return UInt128::Product(a, b);
}

} // namespace runtime

#endif
