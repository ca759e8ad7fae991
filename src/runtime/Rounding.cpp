// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Range-checked real-to-integer conversions.
#include "runtime/Rounding.h"

#include "runtime/Faults.h"

#include <cmath>

namespace runtime {

namespace {

constexpr Extended kTwo63 = 9223372036854775808.0L;
constexpr Extended kTwo31 = 2147483648.0L;

std::int64_t ToInt64(Extended integral) {
    // NaN fails both comparisons.
    if (!(integral >= -kTwo63 && integral < kTwo63))
        throw EInvalidOp();
    return static_cast<std::int64_t>(integral);
}

std::int32_t ToInt32(Extended integral) {
    if (!(integral >= -kTwo31 && integral < kTwo31))
        throw EInvalidOp();
    return static_cast<std::int32_t>(integral);
}

} // namespace

Extended IntPart(Extended x) {
    return truncl(x);
}

// rintl follows the current rounding mode, which the program never changes from
// round-to-nearest-even; unlike nearbyintl it need not save the floating-point environment,
// and the inexact flag it may set is never read.
Extended RoundHalfEven(Extended x) {
    return rintl(x);
}

std::int64_t RoundToInt64(Extended x) {
    return ToInt64(RoundHalfEven(x));
}
std::int32_t RoundToInt32(Extended x) {
    return ToInt32(RoundHalfEven(x));
}
std::int64_t TruncToInt64(Extended x) {
    return ToInt64(IntPart(x));
}
std::int32_t TruncToInt32(Extended x) {
    return ToInt32(IntPart(x));
}

} // namespace runtime
