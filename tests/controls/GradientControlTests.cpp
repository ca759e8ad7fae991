// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient band: its step table, pixels, outline, caption and repaints.
#include "controls/GradientControl.h"

#include "WidgetProbe.h"

#include <QPalette>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;
using platform::TColor;

namespace {

std::vector<int> Reds(const std::vector<TColor> &colors) {
    std::vector<int> reds;
    for (TColor c : colors)
        reds.push_back(platform::RedOf(c));
    return reds;
}

std::vector<int> Greys(const std::vector<TColor> &colors) {
    std::vector<int> greys;
    for (TColor c : colors) {
        EXPECT_EQ(platform::RedOf(c), platform::GreenOf(c));
        EXPECT_EQ(platform::GreenOf(c), platform::BlueOf(c));
        greys.push_back(platform::RedOf(c));
    }
    return greys;
}

TEST(GradientSteps, RunningSumsRoundHalfWayToEven) {
    struct Row {
        const char *name;
        TColor from, to;
        int n;
        std::vector<int> visible; // lines 0 .. n-1
    };
    const Row rows[] = {
        {"black to white over 10",
         platform::clBlack,
         platform::clWhite,
         10,
         {0, 26, 51, 76, 102, 128, 153, 178, 204, 230}},
        {"white to black over 10",
         platform::clWhite,
         platform::clBlack,
         10,
         {255, 230, 204, 178, 153, 128, 102, 76, 51, 26}},
        {"caption panel over 23", platform::clBlack, 0x00444444, 23, {0,  3,  6,  9,  12, 15,
                                                                      18, 21, 24, 27, 30, 33,
                                                                      35, 38, 41, 44, 47, 50,
                                                                      53, 56, 59, 62, 65}},
        {"equal colours", 0x00505050, 0x00505050, 4, {80, 80, 80, 80}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<TColor> steps = GradientSteps(row.from, row.to, row.n);
        ASSERT_EQ(steps.size(), static_cast<std::size_t>(row.n) + 1);
        std::vector<int> greys = Greys(steps);
        EXPECT_EQ(greys.back(), platform::RedOf(row.to));
        greys.pop_back();
        EXPECT_EQ(greys, row.visible);
    }
}

TEST(GradientSteps, SixthRedStepLiesAboveHalfWay) {
    // 193 / 12 added six times is just above 96.5, so column 6 is 97, not 96.
    std::vector<int> reds = Reds(GradientSteps(platform::clBlack, 0x000000C1, 12));
    reds.pop_back();
    EXPECT_EQ(reds, (std::vector<int>{0, 16, 32, 48, 64, 80, 97, 113, 129, 145, 161, 177}));
}

TEST(GradientSteps, AnEmptyExtentDrawsNothing) {
    EXPECT_TRUE(GradientSteps(platform::clBlack, platform::clWhite, 0).empty());
    EXPECT_TRUE(GradientSteps(platform::clBlack, platform::clWhite, -3).empty());
}

class GradientControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        band = new TGradientControl(window.get());
        ExposeWindow(window.get());
    }
    std::unique_ptr<QWidget> window;
    TGradientControl *band = nullptr;
};

TEST_F(GradientControlTest, ColumnsAndRowsCarryTheSteps) {
    struct Row {
        const char *name;
        TGradientDirection direction;
        TColor from, to;
        QSize size;
        std::vector<int> greys;
    };
    const Row rows[] = {
        {"ten columns",
         gdHorizontal,
         platform::clBlack,
         platform::clWhite,
         QSize(10, 3),
         {0, 26, 51, 76, 102, 128, 153, 178, 204, 230}},
        {"ten rows",
         gdVertical,
         platform::clWhite,
         platform::clBlack,
         QSize(4, 10),
         {255, 230, 204, 178, 153, 128, 102, 76, 51, 26}},
        {"caption panel rows",
         gdVertical,
         platform::clBlack,
         0x00444444,
         QSize(6, 23),
         {0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 35, 38, 41, 44, 47, 50, 53, 56, 59, 62, 65}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        band->resize(row.size);
        band->setGradientDirection(row.direction);
        band->setColor1(row.from);
        band->setColor2(row.to);
        const QImage image = Snapshot(band);
        for (int i = 0; i < static_cast<int>(row.greys.size()); ++i) {
            const int grey = row.greys[static_cast<std::size_t>(i)];
            const TColor expected = platform::RGBColor(grey, grey, grey);
            if (row.direction == gdHorizontal) {
                EXPECT_EQ(PixelAt(image, i, 0), expected) << "column " << i;
                EXPECT_EQ(PixelAt(image, i, row.size.height() - 1), expected) << "column " << i;
            } else {
                EXPECT_EQ(PixelAt(image, 0, i), expected) << "row " << i;
                EXPECT_EQ(PixelAt(image, row.size.width() - 1, i), expected) << "row " << i;
            }
        }
    }
}

TEST_F(GradientControlTest, OutlineIsTheInnerHalfOfAPenOnTheOuterRing) {
    struct Row {
        int width;
        int ring; // outlined pixels from each edge
    };
    const Row rows[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}};
    band->resize(20, 12);
    band->setColor1(platform::clWhite);
    band->setColor2(platform::clWhite);
    band->setBorderColor(platform::clRed);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.width);
        band->setBorderWidth(row.width);
        const QImage image = Snapshot(band);
        for (int d = 0; d < 5; ++d) {
            const TColor expected = d < row.ring ? platform::clRed : platform::clWhite;
            EXPECT_EQ(PixelAt(image, d, 6), expected) << "left " << d;
            EXPECT_EQ(PixelAt(image, 19 - d, 6), expected) << "right " << d;
            EXPECT_EQ(PixelAt(image, 10, d), expected) << "top " << d;
            EXPECT_EQ(PixelAt(image, 10, 11 - d), expected) << "bottom " << d;
        }
    }
}

TEST_F(GradientControlTest, SystemColoursAreStoredAsTheirRGBValue) {
    const TColor face = platform::FromQColor(QApplication::palette().color(QPalette::Button));
    band->setColor1(platform::clBtnFace);
    EXPECT_EQ(band->Color1(), face);
    band->setColor2(0x12345678);
    EXPECT_EQ(band->Color2(), 0x00345678u);
    // Outline and text colours keep a system reference as it is.
    band->setBorderColor(platform::clBtnShadow);
    EXPECT_EQ(band->BorderColor(), platform::clBtnShadow);
}

TEST_F(GradientControlTest, CaptionSitsAtTwelvePixelsCentredVertically) {
    band->resize(200, 64);
    band->setColor1(platform::clBlack);
    band->setColor2(platform::clBlack);
    band->setFontColor(platform::clWhite);
    band->setFontSize(12);
    band->setCaption(QStringLiteral("Hello"));
    const QImage image = Snapshot(band);
    const QRect ink = InkBox(image, image.rect(), platform::clBlack);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 12);
    EXPECT_LE(ink.left(), 14);
    EXPECT_LE(std::abs(ink.center().y() - 32), 3);
}

// The band as its rules draw it: the visible lines, a one-pixel outline when asked for, and
// the caption at x 12, centred with integer halves, in a font of the given pixel size.
QImage ExpectedBand(QSize size, const TGradientControl &band, const QString &face, int pixels) {
    const bool horizontal = band.GradientDirection() == gdHorizontal;
    const std::vector<TColor> steps =
        GradientSteps(band.Color1(), band.Color2(), horizontal ? size.width() : size.height());
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i + 1 < static_cast<int>(steps.size()); ++i)
        painter.fillRect(horizontal ? QRect(i, 0, 1, size.height()) : QRect(0, i, size.width(), 1),
                         platform::ToQColor(steps[static_cast<std::size_t>(i)]));
    if (band.BorderWidth() == 1) {
        painter.setPen(platform::ToQColor(band.BorderColor()));
        painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    }
    if (!band.Caption().isEmpty()) {
        QFont font(face);
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        painter.setFont(font);
        painter.setPen(platform::ToQColor(band.FontColor()));
        const int y = size.height() / 2 - metrics.height() / 2;
        painter.drawText(QPoint(12, y + metrics.ascent()), band.Caption());
    }
    return image;
}

TEST_F(GradientControlTest, PaintsEveryPixelByTheRules) {
    struct Row {
        const char *name;
        QSize size;
        TGradientDirection direction;
        TColor from, to;
        int borderWidth;
        const char *fontName;
        int fontSize;
        const char *caption;
        const char *face; // expected
        int pixels;       // the size in points at 96 dots per inch
    };
    const Row rows[] = {
        {"caption panel", QSize(217, 23), gdVertical, platform::clBlack, 0x00444444, 1, "Tahoma",
         10, "Settings", "Tahoma", 13},
        {"bottom band", QSize(300, 64), gdHorizontal, platform::clBlack, platform::clSilver, 0, "",
         0, "Sequence 3 of 10", "Tahoma", 11},
        {"odd height, twelve points", QSize(200, 33), gdHorizontal, 0x00102030, 0x00C0B0A0, 0,
         "DejaVu Serif", 12, "Hello", "DejaVu Serif", 16},
        {"caption taller than the band", QSize(120, 9), gdVertical, platform::clWhite,
         platform::clBlack, 1, "Tahoma", 20, "Tall", "Tahoma", 27},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        band->resize(row.size);
        band->setGradientDirection(row.direction);
        band->setColor1(row.from);
        band->setColor2(row.to);
        band->setBorderWidth(row.borderWidth);
        band->setBorderColor(platform::clBlack);
        band->setFontName(QString::fromLatin1(row.fontName));
        band->setFontSize(row.fontSize);
        band->setFontColor(platform::clWhite);
        band->setCaption(QString::fromLatin1(row.caption));
        const QImage expected =
            ExpectedBand(row.size, *band, QString::fromLatin1(row.face), row.pixels);
        EXPECT_EQ(DifferingPixels(Snapshot(band), expected), 0);
    }
}

TEST_F(GradientControlTest, AnEmptyFontNameKeepsTheFaceOfThePreviousPaint) {
    band->resize(200, 30);
    band->setColor1(platform::clBlack);
    band->setColor2(platform::clBlack);
    band->setFontColor(platform::clWhite);
    band->setFontSize(12);
    // The face is taken at a paint even while there is no caption to draw.
    band->setFontName(QStringLiteral("DejaVu Serif"));
    band->setFontName(QString());
    band->setCaption(QStringLiteral("Serif"));
    const QImage expected = ExpectedBand(band->size(), *band, QStringLiteral("DejaVu Serif"), 16);
    EXPECT_EQ(DifferingPixels(Snapshot(band), expected), 0);
}

TEST_F(GradientControlTest, SettersRepaintAtOnceAndOnlyOnChange) {
    band->resize(50, 20);
    struct Row {
        const char *name;
        std::function<void()> set;
    };
    const Row rows[] = {
        {"BorderWidth", [&] { band->setBorderWidth(2); }},
        {"BorderColor", [&] { band->setBorderColor(platform::clRed); }},
        {"Color1", [&] { band->setColor1(platform::clSilver); }},
        {"Color2", [&] { band->setColor2(platform::clNavy); }},
        {"Caption", [&] { band->setCaption(QStringLiteral("x")); }},
        {"GradientDirection", [&] { band->setGradientDirection(gdVertical); }},
        {"FontColor", [&] { band->setFontColor(platform::clWhite); }},
        {"FontName", [&] { band->setFontName(QStringLiteral("Tahoma")); }},
        {"FontSize", [&] { band->setFontSize(10); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        PaintCounter paints(band);
        row.set();
        EXPECT_EQ(paints.count, 1);
        row.set();
        EXPECT_EQ(paints.count, 1);
    }
    // A system colour equal to the stored RGB value is no change.
    band->setColor1(platform::ColorToRGB(platform::clBtnFace));
    PaintCounter paints(band);
    band->setColor1(platform::clBtnFace);
    EXPECT_EQ(paints.count, 0);
}

TEST_F(GradientControlTest, ScreenDensityKeepsColumnsWhole) {
    // Run once more with QT_SCALE_FACTOR=2: the grab then holds two device pixels a column.
    band->resize(10, 3);
    const QImage image = band->grab().toImage();
    const int ratio = qRound(band->devicePixelRatioF());
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
        EXPECT_EQ(ratio, 2);
    }
    ASSERT_EQ(image.width(), 10 * ratio);
    const int greys[] = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230};
    for (int i = 0; i < 10; ++i)
        for (int d = 0; d < ratio; ++d)
            EXPECT_EQ(PixelAt(image, ratio * i + d, 0),
                      platform::RGBColor(greys[i], greys[i], greys[i]))
                << i;
}

} // namespace
