// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's one numeric type: the processor's 80-bit extended real.
#pragma once

#include <limits>

namespace runtime {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the 80-bit x87 type with a 64-bit mantissa");

} // namespace runtime
