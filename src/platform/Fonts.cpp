// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Registering the Tahoma files and mapping the designs' faces to installed ones.
#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace platform {
namespace {

bool registered = false;
bool tahoma = false;

bool AddFontFile(const QString &path) {
    return QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
}

} // namespace

void RegisterFonts() {
    if (registered)
        return;
    registered = true;
    const bool regular = AddFontFile(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    const bool bold = AddFontFile(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
    tahoma = regular || bold || QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    // Metric-compatible faces for the ones the designs name.
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    if (!tahoma)
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

bool TahomaRegistered() {
    return tahoma;
}

QFont DesignFont(const QString &face, int pixelSize, bool bold) {
    QFont font(face);
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setBold(bold);
    return font;
}

int PointsToPixels(int points) {
    // Rounded like MulDiv(points, 96, 72).
    const long long scaled = static_cast<long long>(points) * 96;
    return static_cast<int>(scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72));
}

} // namespace platform
