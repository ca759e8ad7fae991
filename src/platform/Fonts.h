// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the windows name, resolved to installed metric-compatible faces, and pixel sizes.
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// Registers Tahoma (regular and bold) from the Wine font folder when present, and maps
// "Arial Narrow", "Verdana" (and "Tahoma", when it is missing) to installed faces.
// Idempotent; call once after the QApplication exists.
void RegisterFonts();
// Whether the Tahoma files were found and registered.
bool TahomaRegistered();

// A font of the face whose em height is pixelSize logical pixels.
QFont DesignFont(const QString &face, int pixelSize, bool bold = false);
// Points at 96 dots per inch, the windows' own scale, rounded half away from zero.
int PointsToPixels(int points);
// The height of a text line with no leading: the face's Windows ascent and descent, each
// rounded at the font's pixel size, as the desktop's text layout takes them (13 for 11-pixel
// Tahoma); the font's own ascent and descent where the face has no such table.
int CellHeight(const QFont &font);

// The face and size a drawing surface starts with: Tahoma, 8 points.
inline constexpr const char *DefaultFontFace = "Tahoma";
inline constexpr int DefaultFontPoints = 8;

} // namespace platform
