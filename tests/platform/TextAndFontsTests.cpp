// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Text conversion, hints, fonts and the screen size.
#include "platform/Fonts.h"
#include "platform/Hint.h"
#include "platform/Screen.h"
#include "platform/Text.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(Text, ConvertsTheCodePage) {
    EXPECT_EQ(FromCp1252("\x80 \xE5\xE4\xF6"),
              QString::fromUtf8("\xE2\x82\xAC \xC3\xA5\xC3\xA4\xC3\xB6"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE2\x82\xAC\xC3\xA5")), std::string("\x80\xE5"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE3\x81\x82")), std::string("?"));
    EXPECT_EQ(ToCp1252(FromCp1252(std::string("a\0b", 3))), std::string("a\0b", 3));
}

TEST(Hint, SplitsAtTheFirstBar) {
    struct Row {
        const char *hint, *shortPart, *longPart;
    };
    const Row rows[] = {
        {"|Long only", "", "Long only"},
        {"Short|Long", "Short", "Long"},
        {"Both", "Both", "Both"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.hint);
        QWidget control;
        SetHint(&control, QString::fromLatin1(row.hint));
        EXPECT_EQ(control.toolTip(), QString::fromLatin1(row.shortPart));
        EXPECT_EQ(control.statusTip(), QString::fromLatin1(row.longPart));
    }
}

TEST(Fonts, PointsBecomePixelsAt96Dpi) {
    const std::pair<int, int> rows[] = {{8, 11},  {9, 12}, {10, 13}, {12, 16},
                                        {24, 32}, {0, 0},  {-8, -11}};
    for (auto [points, pixels] : rows)
        EXPECT_EQ(PointsToPixels(points), pixels) << points;
}

TEST(Fonts, NamedFacesResolveToInstalledFaces) {
    RegisterFonts();
    RegisterFonts();
    struct Row {
        const char *face, *resolved;
    };
    const Row rows[] = {
        {"Tahoma", TahomaRegistered() ? "Tahoma" : "DejaVu Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Verdana", "DejaVu Sans"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.face);
        const QFont font = DesignFont(QString::fromLatin1(row.face), 16);
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(row.resolved));
        EXPECT_EQ(QFontInfo(font).pixelSize(), 16);
    }
    EXPECT_TRUE(DesignFont(QStringLiteral("Tahoma"), 11, true).bold());
}

TEST(Fonts, TahomaIsRegisteredFromTheWineFolder) {
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "Tahoma files not installed";
    EXPECT_TRUE(TahomaRegistered());
}

TEST(Fonts, ALineIsTheFacesFullCellHigh) {
    RegisterFonts();
    const QFont tahoma = DesignFont(QStringLiteral("Tahoma"), 11);
    const QFontMetrics metrics(tahoma);
    // Never less than the face's ascent and descent, whatever leading it reports.
    EXPECT_GE(CellHeight(tahoma), metrics.ascent() + metrics.descent());
    if (TahomaRegistered()) {
        EXPECT_EQ(CellHeight(tahoma), 13);
    }
    EXPECT_GT(CellHeight(DesignFont(QStringLiteral("Tahoma"), 22)), CellHeight(tahoma));
}

TEST(Screen, SizeIsThePrimaryScreensUnlessFaked) {
    const QSize real = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(ScreenWidth(), real.width());
    SetFakeScreenSize(1024, 768);
    EXPECT_EQ(ScreenWidth(), 1024);
    EXPECT_EQ(ScreenHeight(), 768);
    ClearFakeScreenSize();
    EXPECT_EQ(ScreenHeight(), real.height());
}

} // namespace
