// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of the number text that the calculator's tests reuse.
#pragma once

namespace calc::detail {

// Precision and exponent padding from _digits when useDigits (the precision clamped to
// 2..18, the padding the rounded value when it lies in 0..4), else 18 digits and none.
void DigitsSetting(bool useDigits, int &precision, int &padding);

} // namespace calc::detail
