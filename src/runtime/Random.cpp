// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One 64-bit Mersenne Twister for the whole process; draws are unbiased.
#include "runtime/Random.h"

#include <chrono>
#include <random>

namespace runtime {

namespace {

std::mt19937_64 &Generator() {
    static std::mt19937_64 generator(5489u);
    return generator;
}

// A uniform value in [0, range) by rejection, so no value is favoured.
std::uint64_t Below(std::uint64_t range) {
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t x;
    do
        x = Generator()();
    while (x >= limit);
    return x % range;
}

} // namespace

void Randomize() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    RandSeed(static_cast<std::uint64_t>(ticks));
}

void RandSeed(std::uint64_t seed) {
    Generator().seed(seed);
}

std::int32_t Random(std::int32_t n) {
    if (n <= 0)
        return 0;
    return static_cast<std::int32_t>(Below(static_cast<std::uint64_t>(n)));
}

std::int32_t RandomRange(std::int32_t lo, std::int32_t hi) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(Below(span)));
}

Extended RandomReal() {
    // 64 random bits scaled by 2^-64 are exact in the 64-bit mantissa and stay below 1.
    return static_cast<Extended>(Generator()()) * 0x1p-64L;
}

} // namespace runtime
