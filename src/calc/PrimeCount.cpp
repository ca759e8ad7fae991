// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Meissel's prime counting, pi(x) = phi(x, a) + a - 1 - P2(x, a) with a = pi(x^(1/3)), over a
// segmented sieve of x^(2/3) numbers; the n-th prime by counting up to an estimate and
// sieving the short way from there.
#include "calc/PrimeCount.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <vector>

namespace calc {

namespace {

// Every table here is far smaller than the address space, also on 32-bit targets.
std::size_t Index(std::uint64_t i) {
    return static_cast<std::size_t>(i);
}

std::uint64_t FloorSqrt(std::uint64_t x) {
    auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(x)));
    while (r * r > x)
        --r;
    while ((r + 1) * (r + 1) <= x)
        ++r;
    return r;
}

std::uint64_t FloorCbrt(std::uint64_t x) {
    auto r = static_cast<std::uint64_t>(std::cbrt(static_cast<long double>(x)));
    while (r * r * r > x)
        --r;
    while ((r + 1) * (r + 1) * (r + 1) <= x)
        ++r;
    return r;
}

// Odd numbers of one window of 2^18: bit k of the window stands for lo + 2k.
constexpr std::uint64_t kWindowOdds = std::uint64_t{1} << 18;

// The primes up to limit, by a plain sieve of the odd numbers.
std::vector<std::uint32_t> SmallPrimes(std::uint32_t limit) {
    std::vector<std::uint32_t> primes;
    if (limit < 2)
        return primes;
    primes.push_back(2);
    std::vector<bool> composite(limit / 2 + 1, false);
    for (std::uint32_t i = 3; i <= limit; i += 2) {
        if (composite[i / 2])
            continue;
        primes.push_back(i);
        for (std::uint64_t m = std::uint64_t{i} * i; m <= limit; m += 2 * i)
            composite[Index(m / 2)] = true;
    }
    return primes;
}

// Marks the odd composites of [lo, lo + 2 * words * 64) in bits (a set bit is a prime);
// lo odd. The base primes must reach the square root of the window's end.
void SieveWindow(std::uint64_t lo, std::vector<std::uint64_t> &bits,
                 const std::vector<std::uint32_t> &basePrimes) {
    std::fill(bits.begin(), bits.end(), ~std::uint64_t{0});
    const std::uint64_t count = bits.size() * 64;
    const std::uint64_t hi = lo + 2 * count;
    for (std::size_t i = 1; i < basePrimes.size(); ++i) {
        const std::uint64_t p = basePrimes[i];
        if (p * p >= hi)
            break;
        std::uint64_t m = std::max(p * p, (lo + p - 1) / p * p);
        if (m % 2 == 0)
            m += p;
        for (std::uint64_t k = (m - lo) / 2; k < count; k += p)
            bits[Index(k / 64)] &= ~(std::uint64_t{1} << (k % 64));
    }
    if (lo == 1)
        bits[0] &= ~std::uint64_t{1}; // 1 is not prime
}

// pi(v) for every v up to a limit: a bit per odd number and the count of primes before
// each word.
class PrimeTable {
  public:
    explicit PrimeTable(std::uint64_t limit) : limit_(limit) {
        const std::uint64_t words = limit / 128 + 1;
        bits_.resize(Index(words));
        before_.resize(Index(words));
        const auto base = SmallPrimes(static_cast<std::uint32_t>(FloorSqrt(limit) + 1));
        std::vector<std::uint64_t> window(kWindowOdds / 64);
        for (std::uint64_t w = 0; w < words; w += window.size()) {
            SieveWindow(1 + 128 * w, window, base);
            std::copy_n(window.begin(), std::min<std::uint64_t>(window.size(), words - w),
                        bits_.begin() + static_cast<std::ptrdiff_t>(w));
        }
        std::uint64_t total = 1; // the prime 2, which has no bit
        for (std::uint64_t w = 0; w < words; ++w) {
            before_[Index(w)] = total;
            total += static_cast<std::uint64_t>(std::popcount(bits_[Index(w)]));
        }
    }

    std::uint64_t Limit() const { return limit_; }

    std::uint64_t Pi(std::uint64_t v) const {
        if (v < 2)
            return 0;
        const std::uint64_t k = (v - 1) / 2; // odd numbers 1, 3, ..., v (or v - 1)
        const std::uint64_t w = k / 64;
        const std::uint64_t mask = (std::uint64_t{2} << (k % 64)) - 1;
        return before_[Index(w)] +
               static_cast<std::uint64_t>(std::popcount(bits_[Index(w)] & mask));
    }

    // The primes up to v, v within the table, in order.
    std::vector<std::uint64_t> Primes(std::uint64_t v) const {
        std::vector<std::uint64_t> primes;
        if (v >= 2)
            primes.push_back(2);
        for (std::uint64_t n = 3; n <= v; n += 2)
            if (bits_[Index(n / 128)] >> ((n / 2) % 64) & 1)
                primes.push_back(n);
        return primes;
    }

  private:
    std::uint64_t limit_;
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint64_t> before_;
};

// phi(v, c): how many numbers from 1 to v have no prime factor among the first c primes.
class Phi {
  public:
    Phi(const PrimeTable &table, std::vector<std::uint64_t> primes)
        : table_(table), primes_(std::move(primes)) {
        // phi(v, kSmall) repeats with the product of the first kSmall primes.
        std::uint64_t product = 1;
        for (std::size_t i = 0; i < kSmall; ++i)
            product *= primes_[i];
        period_.resize(Index(product + 1));
        for (std::uint64_t v = 0; v <= product; ++v) {
            bool coprime = v != 0;
            for (std::size_t i = 0; i < kSmall && coprime; ++i)
                coprime = v % primes_[i] != 0;
            period_[Index(v)] = (v == 0 ? 0 : period_[Index(v - 1)]) + (coprime ? 1 : 0);
        }
    }

    // c at most the number of primes given, which must include the (c + 1)-th.
    std::uint64_t operator()(std::uint64_t v, std::size_t c) const {
        if (c <= kSmall)
            return Tiny(v, c);
        const std::uint64_t next = primes_[c]; // the (c + 1)-th prime
        if (v <= table_.Limit() && v < next * next) {
            // Left are 1 and the primes above the c-th.
            const std::uint64_t pi = table_.Pi(v);
            return pi >= c ? pi - c + 1 : (v >= 1 ? 1 : 0);
        }
        std::uint64_t sum = Tiny(v, kSmall);
        for (std::size_t i = kSmall; i < c; ++i) {
            const std::uint64_t p = primes_[i];
            // Below 2^32 a 32-bit division, far cheaper than a 64-bit one on 32-bit targets.
            const std::uint64_t q =
                v <= UINT32_MAX ? static_cast<std::uint32_t>(v) / static_cast<std::uint32_t>(p)
                                : v / p;
            if (q < p) {
                // phi(q, i) is 1 for every remaining prime: only the number 1 is left.
                sum -= c - i;
                break;
            }
            sum -= (*this)(q, i);
        }
        return sum;
    }

  private:
    static constexpr std::size_t kSmall = 6; // 2 * 3 * 5 * 7 * 11 * 13 = 30030

    std::uint64_t Tiny(std::uint64_t v, std::size_t c) const {
        if (c == kSmall) {
            const std::uint64_t period = period_.size() - 1;
            return v / period * period_[Index(period)] + period_[Index(v % period)];
        }
        if (c == 0)
            return v;
        return Tiny(v, c - 1) - Tiny(v / primes_[c - 1], c - 1);
    }

    const PrimeTable &table_;
    std::vector<std::uint64_t> primes_;
    std::vector<std::uint64_t> period_;
};

// The primes of [lo, hi), by a sieve of that range alone.
std::vector<std::uint64_t> PrimesBetween(std::uint64_t lo, std::uint64_t hi) {
    std::vector<std::uint64_t> primes;
    if (lo <= 2 && hi > 2)
        primes.push_back(2);
    const std::uint64_t first = std::max<std::uint64_t>(lo | 1, 1);
    if (first >= hi)
        return primes;
    const auto base = SmallPrimes(static_cast<std::uint32_t>(FloorSqrt(hi) + 1));
    std::vector<std::uint64_t> bits(Index((hi - first + 127) / 128));
    SieveWindow(first, bits, base);
    for (std::uint64_t k = 0; first + 2 * k < hi; ++k)
        if (bits[Index(k / 64)] >> (k % 64) & 1)
            primes.push_back(first + 2 * k);
    return primes;
}

// The logarithmic integral li(x), x > 1, by Ramanujan's series.
long double LogIntegral(long double x) {
    const long double gamma = 0.577215664901532860606512090082402431L;
    const long double lnx = std::log(x);
    long double sum = 0;
    long double term = 1; // (ln x)^n / (n! 2^(n-1)), with the sign
    long double inner = 0;
    for (int n = 1; n < 200; ++n) {
        term = n == 1 ? lnx : term * -lnx / (2 * n);
        if ((n - 1) % 2 == 0)
            inner += 1.0L / (n);
        const long double add = term * inner;
        sum += add;
        if (std::fabs(add) < 1e-20L * std::fabs(sum))
            break;
    }
    return gamma + std::log(lnx) + std::sqrt(x) * sum;
}

// x with li(x) = n, by Newton's method: close to the n-th prime (within about sqrt(x)).
std::uint64_t EstimateNthPrime(std::uint32_t n) {
    long double x = n * std::log(static_cast<long double>(n));
    for (int i = 0; i < 50; ++i) {
        const long double next = x - (LogIntegral(x) - n) * std::log(x);
        if (std::fabs(next - x) < 0.5L)
            return static_cast<std::uint64_t>(next);
        x = next;
    }
    return static_cast<std::uint64_t>(x);
}

} // namespace

std::uint64_t CountPrimes(std::uint64_t x) {
    if (x < 1000)
        return PrimesBetween(0, x + 1).size();
    const std::uint64_t y = FloorCbrt(x);
    const std::uint64_t root = FloorSqrt(x);
    const PrimeTable table(x / y);
    auto primes = table.Primes(root + 1);
    const std::size_t a = Index(table.Pi(y));
    const std::size_t b = Index(table.Pi(root));
    // P2: the numbers up to x with exactly two prime factors, both above the a-th prime.
    std::uint64_t p2 = 0;
    for (std::size_t i = a; i < b; ++i)
        p2 += table.Pi(x / primes[i]) - i;
    const Phi phi(table, std::move(primes));
    return phi(x, a) + a - 1 - p2;
}

std::uint64_t NthPrimeByCounting(std::uint32_t n) {
    if (n == 0)
        throw std::invalid_argument("there is no 0th prime");
    if (n < 10000) {
        const auto primes = PrimesBetween(0, 120000); // the 10000th prime is 104729
        return primes[n - 1];
    }
    const std::uint64_t estimate = EstimateNthPrime(n);
    std::uint64_t count = CountPrimes(estimate);
    // Walk in windows from the estimate to the prime whose count is n.
    constexpr std::uint64_t kStep = 1 << 16;
    if (count >= n) {
        for (std::uint64_t hi = estimate + 1;; hi -= kStep) {
            const auto primes = PrimesBetween(hi > kStep ? hi - kStep : 0, hi);
            for (auto p = primes.rbegin(); p != primes.rend(); ++p, --count)
                if (count == n)
                    return *p;
        }
    }
    for (std::uint64_t lo = estimate + 1;; lo += kStep)
        for (const std::uint64_t p : PrimesBetween(lo, lo + kStep))
            if (++count == n)
                return p;
}

} // namespace calc
