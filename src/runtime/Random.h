// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide pseudo-random generator that the game and the calculator share.
#pragma once

#include "runtime/Extended.h"

#include <cstdint>

namespace runtime {

// Seeds the generator from the high-resolution clock.
void Randomize();
// Seeds the generator with a fixed value (tests, the console's --seed).
void RandSeed(std::uint64_t seed);
// A uniform integer from 0 to n - 1; 0 when n is 0 or less.
std::int32_t Random(std::int32_t n);
// A uniform integer from lo to hi inclusive (lo <= hi).
std::int32_t RandomRange(std::int32_t lo, std::int32_t hi);
// A uniform real in [0, 1), with all 64 mantissa bits drawn.
Extended RandomReal();

} // namespace runtime
