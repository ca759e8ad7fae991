// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon's images at one and two device pixels a pixel, the About logo taken
// from them, and the licence notice of the About window.
#include "game/Resources.h"
#include "game/aboutWin.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

// Compares pixels alone, with every fully transparent pixel alike: format and device-pixel
// ratio differ between a file's image and the pixmap made of it. Names the first difference.
::testing::AssertionResult SamePixels(QImage actual, QImage expected) {
    actual.convertTo(QImage::Format_ARGB32_Premultiplied);
    expected.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.width() << "x" << actual.height() << " instead of " << expected.width()
               << "x" << expected.height();
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
                a != e && (qAlpha(a) != 0 || qAlpha(e) != 0))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is "
                                                     << std::hex << a << " instead of " << e;
    return ::testing::AssertionSuccess();
}

QImage ResourceImage(int size) {
    game::InitResources();
    return QImage(QStringLiteral(":/icons/quintara-%1.png").arg(size));
}

TEST(ApplicationIcon, GivesEachSizeItsOwnDrawingAtOneAndTwoDevicePixelsAPixel) {
    struct Row {
        int size;
        qreal ratio;
        int image; // the drawing expected, by its pixel size
    };
    const Row rows[] = {
        {16, 1, 16}, {32, 1, 32}, {48, 1, 48}, {16, 2, 32}, {32, 2, 64}, {48, 2, 96},
    };
    const QIcon icon = game::ApplicationIcon();
    for (const Row &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 px at %2x").arg(row.size).arg(row.ratio).toStdString());
        const QPixmap pixmap = icon.pixmap(QSize(row.size, row.size), row.ratio);
        EXPECT_EQ(pixmap.devicePixelRatio(), row.ratio);
        const QImage expected = ResourceImage(row.image);
        ASSERT_FALSE(expected.isNull());
        // Pixel for pixel the drawing itself, not a smaller one scaled up.
        EXPECT_TRUE(SamePixels(pixmap.toImage(), expected));
    }
}

TEST(AboutWin, LogoIsTheIconsDrawingForTheScreensDensity) {
    game::Tabout about;
    about.show();
    const qreal ratio = about.devicePixelRatioF();
    const QPixmap logo = about.logo->pixmap();
    EXPECT_EQ(logo.devicePixelRatio(), ratio);
    EXPECT_EQ(logo.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_TRUE(SamePixels(logo.toImage(), ResourceImage(qRound(32 * ratio))));
}

TEST(AboutWin, NoticeNamesTheLicenceAndWhereToSendComments) {
    game::Tabout about;
    const QString notice = about.copyinfo->toPlainText();
    for (const char *part :
         {"Copyright 2026 The Quintara developers",
          "GNU General Public License, version 3 or any later version", "no warranty",
          "quintara@example.org", "https://quintara.example.org/"})
        EXPECT_TRUE(notice.contains(QLatin1String(part))) << part;
}

} // namespace
