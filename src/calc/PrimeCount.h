// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prime counting by Meissel's method, for builds without libprimecount (Windows).
#pragma once

#include <cstdint>

namespace calc {

// The number of primes not above x, for x below 2^42.
std::uint64_t CountPrimes(std::uint64_t x);
// The n-th prime, NthPrimeByCounting(1) = 2, for n from 1 to 2^32 - 1.
std::uint64_t NthPrimeByCounting(std::uint32_t n);

} // namespace calc
