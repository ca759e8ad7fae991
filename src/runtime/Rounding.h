// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions of an extended real to 32- and 64-bit integers: rounding (nearest, ties to
// even) and truncation. A value that does not fit raises EInvalidOp, as the processor would.
#pragma once

#include "runtime/Extended.h"

#include <cstdint>

namespace runtime {

std::int64_t RoundToInt64(Extended x);
std::int32_t RoundToInt32(Extended x);
std::int64_t TruncToInt64(Extended x);
std::int32_t TruncToInt32(Extended x);

// The integral part (towards zero) and the nearest integer (ties to even), as reals.
Extended IntPart(Extended x);
Extended RoundHalfEven(Extended x);

} // namespace runtime
