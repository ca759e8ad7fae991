// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Registering the Tahoma files, mapping the windows' faces to installed ones, and their
// line heights.
#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QtEndian>

#include <cmath>

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
    // Metric-compatible faces for the ones the windows name.
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

int CellHeight(const QFont &font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    // usWinAscent and usWinDescent at bytes 74 and 76 of OS/2, unitsPerEm at 18 of head.
    if (os2.size() >= 78 && head.size() >= 20 &&
        qFromBigEndian<quint16>(head.constData() + 18) > 0) {
        const auto word = [](const QByteArray &table, int offset) {
            return qFromBigEndian<quint16>(table.constData() + offset);
        };
        const double perUnit = raw.pixelSize() / word(head, 18);
        return static_cast<int>(std::lround(word(os2, 74) * perUnit) +
                                std::lround(word(os2, 76) * perUnit));
    }
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

} // namespace platform
