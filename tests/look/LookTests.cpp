// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared look: gradient steps, contrast, layout arithmetic, the count box's text rules
// and the joined texts.
#include "look/Colors.h"
#include "look/Gradient.h"
#include "look/IntegerText.h"
#include "look/Layout.h"
#include "look/Texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace look;

std::vector<int> Reds(const std::vector<TColor> &steps, int count) {
    std::vector<int> reds;
    for (int i = 0; i < count; ++i)
        reds.push_back(RedOf(steps[static_cast<std::size_t>(i)]));
    return reds;
}

TEST(GradientSteps, VisibleColumnsFollowRunningSumsWithTiesToEven) {
    struct Row {
        TColor from, to;
        int n;
        std::vector<int> expected;
    };
    const Row rows[] = {
        {clBlack, clWhite, 10, {0, 26, 51, 76, 102, 128, 153, 178, 204, 230}},
        {clWhite, clBlack, 10, {255, 230, 204, 178, 153, 128, 102, 76, 51, 26}},
        {clBlack, RGBColor(193, 0, 0), 12, {0, 16, 32, 48, 64, 80, 97, 113, 129, 145, 161, 177}},
        {clBlack, CaptionBandColor, 23, {0,  3,  6,  9,  12, 15, 18, 21, 24, 27, 30, 33,
                                         35, 38, 41, 44, 47, 50, 53, 56, 59, 62, 65}},
        {clSilver, clSilver, 4, {192, 192, 192, 192}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.n);
        const auto steps = GradientSteps(row.from, row.to, row.n);
        ASSERT_EQ(steps.size(), static_cast<std::size_t>(row.n) + 1);
        EXPECT_EQ(Reds(steps, row.n), row.expected);
        // Grey stays grey: the three channels run in step.
        if (GreenOf(row.to) == RedOf(row.to)) {
            for (TColor c : steps)
                EXPECT_EQ(GreenOf(c), RedOf(c));
        }
        EXPECT_EQ(steps.back(), row.to);
    }
    EXPECT_TRUE(GradientSteps(clBlack, clWhite, 0).empty());
    EXPECT_TRUE(GradientSteps(clBlack, clWhite, -3).empty());
}

TEST(FlatButtonLook, ContrastSwitchesAtMean128AndDownBeatsFocus) {
    EXPECT_EQ(ContrastColor(RGBColor(127, 127, 127)), clWhite);
    EXPECT_EQ(ContrastColor(RGBColor(128, 128, 128)), clBlack);
    EXPECT_EQ(ContrastColor(RGBColor(255, 0, 0)), clWhite);
    EXPECT_EQ(ContrastColor(RGBColor(0, 255, 255)), clBlack);
    EXPECT_EQ(ContrastColor(FlatButtonDownColor), clBlack);
    EXPECT_EQ(ContrastColor(FlatButtonFocusColor), clWhite);
    EXPECT_EQ(FlatButtonFill(true, true, clSilver), FlatButtonDownColor);
    EXPECT_EQ(FlatButtonFill(false, true, clSilver), FlatButtonFocusColor);
    EXPECT_EQ(FlatButtonFill(false, false, clSilver), clSilver);
}

TEST(PuzzleLayout, FullScreen1024x768PlacesTheRowAtHalvesGoingToEven) {
    const Rect line2 = Anchored(puzzle::Line2, puzzle::Line2Anchors, puzzle::ClientWidth,
                                puzzle::ClientHeight, 1024, 768);
    EXPECT_EQ(line2, (Rect{-3, 706, 1027, 1}));
    const auto places = puzzle::PlaceRow(1024, puzzle::Line1.top, line2.top);
    EXPECT_EQ(places.pnIe, (Point{124, 360}));
    EXPECT_EQ(places.lblSeries, (Point{126, 315}));
    EXPECT_EQ(places.lblExpr, (Point{126, 419}));
}

TEST(PuzzleLayout, AnchorsKeepTheirDistances) {
    struct Row {
        Rect design;
        unsigned anchors;
        Rect expected;
    };
    using namespace puzzle;
    const Row rows[] = {
        {GradientControl2, GradientControl2Anchors, {0, 0, 1027, 64}},
        {GradientControl1, GradientControl1Anchors, {0, 707, 1027, 64}},
        {btnExit, btnExitAnchors, {906, 722, 100, 33}},
        {pnIe, 0, pnIe},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.design.top);
        EXPECT_EQ(Anchored(row.design, row.anchors, ClientWidth, ClientHeight, 1024, 768),
                  row.expected);
        // Back to the design size, back to the design.
        EXPECT_EQ(
            Anchored(row.design, row.anchors, ClientWidth, ClientHeight, ClientWidth, ClientHeight),
            row.design);
    }
    EXPECT_EQ(WindowedOrigin(1024, 768), (Point{112, 84}));
    EXPECT_EQ(WindowedOrigin(1025, 769), (Point{112, 84}));
}

TEST(PuzzleLayout, CaptionsCentreByTruncatedHalves) {
    EXPECT_EQ(BandCaptionTop(64, 13), 26);
    EXPECT_EQ(BandCaptionTop(10, 30), -10);
    EXPECT_EQ(CenteredCaption(52, 39, 21, 19), (Point{16, 10}));
    EXPECT_EQ(CenteredCaption(20, 10, 45, 13), (Point{-12, -1}));
    EXPECT_EQ(PointsToPixels(10), 13);
    EXPECT_EQ(PointsToPixels(8), 11);
    EXPECT_EQ(PointsToPixels(0), 0);
}

TEST(IntegerEditText, CorrectionsPullToMaxTidyAndReplaceNonNumbers) {
    struct Row {
        const char *text;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"", std::nullopt}, {"10", std::nullopt}, {"0", std::nullopt},  {"1000", "999"},
        {"007", "7"},       {"+42", "42"},        {" 42", "42"},        {"12.", "1"},
        {"abc", "1"},       {"99999999999", "1"}, {"-5", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(IntegerEditCorrection(row.text, 1, 999), row.expected);
    }
    // Never-set bounds turn every positive entry into 0.
    EXPECT_EQ(IntegerEditCorrection("7", 0, 0), std::optional<std::string>("0"));
}

TEST(IntegerEditText, ArrowStepsAndBounds) {
    auto step = [](const char *text, bool up) { return IntegerEditStep(text, up, 1, 999); };
    EXPECT_EQ(step("5", true).stepped, "6");
    EXPECT_FALSE(step("5", true).bounded);
    EXPECT_EQ(step("5", false).stepped, "4");
    EXPECT_EQ(step("1", false).stepped, "0");
    EXPECT_EQ(step("1", false).bounded, std::optional<std::string>("1"));
    EXPECT_EQ(step("999", true).bounded, std::optional<std::string>("999"));
    EXPECT_EQ(step("0", true).stepped, "1");
    EXPECT_FALSE(step("", true).valid);
    EXPECT_FALSE(step("2147483647", true).valid);
    EXPECT_TRUE(IntegerEditAccepts(U'7'));
    EXPECT_TRUE(IntegerEditAccepts(U'.'));
    EXPECT_TRUE(IntegerEditAccepts(8));
    for (char32_t c : {U'-', U'a', U' ', U'+', char32_t(22), char32_t(13)})
        EXPECT_FALSE(IntegerEditAccepts(c));
}

TEST(Texts, MessagesQuoteTheBoxText) {
    EXPECT_EQ(NotIntegerMessage("2.5"), "The entered value \"2.5\" is not a valid integer.");
    EXPECT_EQ(InvalidCountMessage(""),
              "The entered number of sequences (\"\") is not a valid integer.");
    EXPECT_EQ(TermLabel(5), "(5)");
    const std::string info = TranslationInfoText();
    EXPECT_EQ(info.find("This is an English translation of the original Swedish version of "
                        "the application.\r\n\r\n"),
              0u);
    EXPECT_NE(info.find(TranslationWebSite), std::string::npos);
    EXPECT_NE(info.find(TranslationEmail), std::string::npos);
}

} // namespace
