// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient's running sums in extended precision.
#include "look/Gradient.h"

#include "runtime/Extended.h"
#include "runtime/Rounding.h"

#include <algorithm>

namespace look {

using runtime::Extended;

std::vector<TColor> GradientSteps(TColor color1, TColor color2, int n) {
    std::vector<TColor> steps;
    if (n <= 0)
        return steps;
    const Extended count = n;
    Extended r = RedOf(color1);
    Extended g = GreenOf(color1);
    Extended b = BlueOf(color1);
    const Extended dr = (RedOf(color2) - RedOf(color1)) / count;
    const Extended dg = (GreenOf(color2) - GreenOf(color1)) / count;
    const Extended db = (BlueOf(color2) - BlueOf(color1)) / count;
    auto channel = [](Extended v) {
        return std::clamp(static_cast<int>(runtime::RoundHalfEven(v)), 0, 255);
    };
    steps.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        steps.push_back(RGBColor(channel(r), channel(g), channel(b)));
        // Running sums, never start + i * step: each addition's rounding counts.
        r += dr;
        g += dg;
        b += db;
    }
    return steps;
}

} // namespace look
