// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exact integer scaling by powers of two and ten, shared by the number writer and reader:
// the arithmetic that makes their results correctly rounded without the C library.
#pragma once

#include "runtime/UInt128.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace calc::detail {

using runtime::UInt128;

// 10^0 to 10^(count - 1), by repeated multiplication; every entry of the tables below is
// exact in its type.
template <class T, std::size_t count> constexpr std::array<T, count> PowersOfTen() {
    std::array<T, count> powers{};
    T power = 1;
    for (T &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}

// 10^38 < 2^128 <= 10^39: the powers of ten that fit in 128 bits.
inline constexpr auto kPowersOfTen128 = PowersOfTen<UInt128, 39>();

// floor(m * 2^binary * 10^decimal) in quotient, and where the rest lies against one half in
// rest (-1 below, 0 exactly at, 1 above), in exact integer arithmetic. False when the
// quotient needs more than 64 bits or the intermediate numbers would not fit; the caller
// then has another way.
bool ScaleExactly(std::uint64_t m, int binary, int decimal, std::uint64_t &quotient, int &rest);

} // namespace calc::detail
