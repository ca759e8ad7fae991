// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Caches of fonts and brushes: a handful of each, made once.
#include "win32/Graphics.h"

#include <map>
#include <string>
#include <tuple>

namespace win32 {

HFONT DesignFont(const wchar_t *face, int pixelHeight, bool bold) {
    static std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts;
    HFONT &font = fonts[{face, pixelHeight, bold}];
    if (font == nullptr)
        // A negative height asks for the em height rather than the cell height.
        font = CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    return font;
}

COLORREF ColorToRGB(look::TColor color) {
    if (look::IsSystemColor(color))
        return GetSysColor(look::SystemColorIndex(color));
    return color & 0x00FFFFFF;
}

HBRUSH SolidBrush(look::TColor color) {
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF rgb = ColorToRGB(color);
    HBRUSH &brush = brushes[rgb];
    if (brush == nullptr)
        brush = CreateSolidBrush(rgb);
    return brush;
}

SIZE TextExtent(HDC dc, const std::wstring &text) {
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        size.cy = metrics.tmHeight;
    }
    return size;
}

} // namespace win32
