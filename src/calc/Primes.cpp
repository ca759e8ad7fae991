// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Primality by a deterministic Miller-Rabin test on 64-bit integers, neighbouring primes, and
// the n-th prime by prime counting.
#include "calc/NumLib.h"

#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#if QUINTARA_HAVE_PRIMECOUNT
#include <primecount.hpp>
#else
#include "calc/PrimeCount.h"
#endif

#include <array>
#include <bit>

namespace calc {

namespace {

// The full 128-bit product of two 64-bit numbers.
struct WideProduct {
    std::uint64_t high;
    std::uint64_t low;
};

WideProduct MultiplyWide(std::uint64_t a, std::uint64_t b) {
#ifdef __SIZEOF_INT128__
    __extension__ typedef unsigned __int128 UInt128;
    const UInt128 t = static_cast<UInt128>(a) * b;
    return {static_cast<std::uint64_t>(t >> 64), static_cast<std::uint64_t>(t)};
#else
    // 32-bit targets have no 128-bit integer: four 32 x 32 products.
    const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t middle1 = aHigh * bLow + (lowLow >> 32);
    const std::uint64_t middle2 = aLow * bHigh + (middle1 & 0xFFFFFFFFu);
    return {aHigh * bHigh + (middle1 >> 32) + (middle2 >> 32),
            (middle2 << 32) | (lowLow & 0xFFFFFFFFu)};
#endif
}

// Arithmetic modulo an odd n in Montgomery form (values times 2^64 mod n).
class Montgomery {
  public:
    explicit Montgomery(std::uint64_t n) : n_(n), inverse_(n), square_(0) {
        // Each Newton step doubles the correct low bits of n^-1 mod 2^64 (3 bits from n).
        for (int i = 0; i < 5; ++i)
            inverse_ *= 2 - n_ * inverse_;
        // From 2^64 mod n to 2^128 mod n by 64 doublings.
        square_ = (0 - n_) % n_;
        for (int i = 0; i < 64; ++i)
            square_ = square_ >= n_ - square_ ? square_ - (n_ - square_) : square_ + square_;
    }
    // a below n.
    std::uint64_t ToForm(std::uint64_t a) const { return Multiply(a, square_); }
    // a * b * 2^-64 mod n, in [0, n); the low halves cancel, so no 129-bit sum is needed.
    std::uint64_t Multiply(std::uint64_t a, std::uint64_t b) const {
        const WideProduct t = MultiplyWide(a, b);
        const std::uint64_t m = t.low * inverse_;
        const std::uint64_t mHigh = MultiplyWide(m, n_).high;
        return t.high >= mHigh ? t.high - mHigh : t.high - mHigh + n_;
    }
    std::uint64_t Power(std::uint64_t base, std::uint64_t exponent) const {
        std::uint64_t result = ToForm(1);
        for (; exponent != 0; exponent >>= 1) {
            if (exponent & 1)
                result = Multiply(result, base);
            base = Multiply(base, base);
        }
        return result;
    }

  private:
    std::uint64_t n_;
    std::uint64_t inverse_;
    std::uint64_t square_; // 2^128 mod n
};

constexpr std::array<std::uint64_t, 12> kSmallPrimes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

// Below each bound the first count prime bases decide primality with certainty.
struct BaseBound {
    std::uint64_t below;
    std::size_t count;
};
constexpr std::array<BaseBound, 8> kBaseBounds = {{
    {2047ULL, 1},
    {1373653ULL, 2},
    {25326001ULL, 3},
    {3215031751ULL, 4},
    {2152302898747ULL, 5},
    {3474749660383ULL, 6},
    {341550071728321ULL, 7},
    {3825123056546413051ULL, 9},
}};

bool IsStrongProbablePrime(const Montgomery &mont, std::uint64_t n, std::uint64_t base) {
    const std::uint64_t nMinus1 = n - 1;
    const int shift = std::countr_zero(nMinus1);
    const std::uint64_t one = mont.ToForm(1);
    const std::uint64_t minusOne = n - one;
    std::uint64_t x = mont.Power(mont.ToForm(base), nMinus1 >> shift);
    if (x == one || x == minusOne)
        return true;
    for (int i = 1; i < shift; ++i) {
        x = mont.Multiply(x, x);
        if (x == minusOne)
            return true;
    }
    return false;
}

bool IsPrime64(std::uint64_t n) {
    for (const std::uint64_t p : kSmallPrimes) {
        if (n == p)
            return true;
        if (n % p == 0)
            return false;
    }
    if (n < std::uint64_t{41} * 41)
        return n >= 2;
    std::size_t bases = kSmallPrimes.size();
    for (const BaseBound &bound : kBaseBounds)
        if (n < bound.below) {
            bases = bound.count;
            break;
        }
    const Montgomery mont(n);
    for (std::size_t i = 0; i < bases; ++i)
        if (!IsStrongProbablePrime(mont, n, kSmallPrimes[i]))
            return false;
    return true;
}

std::uint64_t NonNegative(Extended x) {
    const std::int64_t value = runtime::RoundToInt64(x);
    if (value < 0)
        throw runtime::EInvalidArgument("negative value");
    return static_cast<std::uint64_t>(value);
}

} // namespace

bool IsPrime(Extended x) {
    if (x < 2)
        return false;
    return IsPrime64(NonNegative(x));
}

// From any start below 2^63 the next prime lies below 2^64, where extended holds it exactly.
Extended NextPrime(Extended x) {
    std::uint64_t y = x < 0 ? 0 : NonNegative(x);
    while (!IsPrime64(y))
        ++y;
    return static_cast<Extended>(y);
}

Extended PrevPrime(Extended x) {
    if (x < 2)
        throw runtime::EInvalidArgument("no prime below 2");
    std::uint64_t y = NonNegative(x);
    while (!IsPrime64(y))
        --y;
    return static_cast<Extended>(y);
}

Extended NthPrime(std::int32_t n) {
    if (n <= 0)
        return 0;
#if QUINTARA_HAVE_PRIMECOUNT
    // One thread keeps the program single-threaded and is no slower on a busy machine.
    static const bool singleThreaded = [] {
        primecount::set_num_threads(1);
        return true;
    }();
    (void)singleThreaded;
    return static_cast<Extended>(primecount::nth_prime(n));
#else
    return static_cast<Extended>(NthPrimeByCounting(static_cast<std::uint32_t>(n)));
#endif
}

} // namespace calc
