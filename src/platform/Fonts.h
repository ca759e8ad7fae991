// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the designs name, resolved to installed metric-compatible faces, and pixel sizes.
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
// Points at the 96 dots per inch the designs were drawn for, rounded half away from zero.
int PointsToPixels(int points);

// The face and size a drawing surface starts with: Tahoma, 8 points.
inline constexpr const char *DefaultFontFace = "Tahoma";
inline constexpr int DefaultFontPoints = 8;

} // namespace platform
