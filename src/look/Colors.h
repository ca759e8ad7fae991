// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TColor (0x00BBGGRR, or 0xFF0000nn for system colour nn) and the colour arithmetic of the
// own controls.
#pragma once

#include <cstdint>

namespace look {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clWindow = 0xFF000005;
inline constexpr TColor clHighlight = 0xFF00000D;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clBtnShadow = 0xFF000010;

// The flat button's fills while down and while focused.
inline constexpr TColor FlatButtonDownColor = 0x0089D3FF;
inline constexpr TColor FlatButtonFocusColor = 0x00666666;
// The solved boxes after F1.
inline constexpr TColor SolvedBoxColor = 0x00808080;
// The dark end of the caption panel's band.
inline constexpr TColor CaptionBandColor = 0x00444444;

constexpr int RedOf(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr bool IsSystemColor(TColor c) {
    return (c & 0x80000000u) != 0;
}
constexpr int SystemColorIndex(TColor c) {
    return static_cast<int>(c & 0xFF);
}

// Black on a fill whose mean channel is 128 or more, white below: the outline and caption of
// a flat button. Reads the low three bytes as they stand; resolve system colours first.
constexpr TColor ContrastColor(TColor rgb) {
    const int mean = (RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb)) / 3;
    return mean >= 128 ? clBlack : clWhite;
}

// Down wins over focus, focus over the button's own colour.
constexpr TColor FlatButtonFill(bool down, bool focused, TColor color) {
    if (down)
        return FlatButtonDownColor;
    if (focused)
        return FlatButtonFocusColor;
    return color;
}

} // namespace look
