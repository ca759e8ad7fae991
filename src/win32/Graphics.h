// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// GDI objects the windows share: fonts by face and pixel height, solid brushes, and the
// resolution of system-colour references.
#pragma once

#include "look/Colors.h"

#include <windows.h>

#include <string>

namespace win32 {

// A font whose em height is pixelHeight pixels; kept for the whole run.
HFONT DesignFont(const wchar_t *face, int pixelHeight, bool bold = false);
// A system-colour reference becomes the colour the system uses now; an RGB value stays.
COLORREF ColorToRGB(look::TColor color);
// A solid brush of the colour; kept for the whole run.
HBRUSH SolidBrush(look::TColor color);
// The height and width of a text in the font selected into dc.
SIZE TextExtent(HDC dc, const std::wstring &text);

} // namespace win32
