// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The colour steps of a gradient band, computed so that every front end draws the same pixels.
#pragma once

#include "look/Colors.h"

#include <vector>

namespace look {

// The colours of the lines i = 0 .. n of a gradient over n columns (or rows), n + 1
// entries, from running 80-bit sums of one step per channel each rounded to the nearest
// integer with ties to even. Empty when n is not positive.
std::vector<TColor> GradientSteps(TColor color1, TColor color2, int n);

} // namespace look
