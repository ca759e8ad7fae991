// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' layout numbers: design rectangles, anchors and the placement arithmetic of the
// puzzle window.
#pragma once

#include <array>
#include <cstdint>

namespace look {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

enum TAnchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Where a control placed at design in a client area of designWidth x designHeight goes when
// that area becomes width x height: an anchored edge keeps its distance to the window's edge,
// a control anchored on neither side of an axis keeps its place on it.
Rect Anchored(const Rect &design, unsigned anchors, int designWidth, int designHeight, int width,
              int height);

// The puzzle window's design: a client area of 792 x 566, no smaller than 800 x 300 outside.
namespace puzzle {
inline constexpr int ClientWidth = 792;
inline constexpr int ClientHeight = 566;
inline constexpr int MinimumWidth = 800;
inline constexpr int MinimumHeight = 300;
inline constexpr int WindowedWidth = 800;
inline constexpr int WindowedHeight = 600;

inline constexpr Rect GradientControl2{0, 0, 795, 64};
inline constexpr unsigned GradientControl2Anchors = akLeft | akTop | akRight;
inline constexpr Rect Line1{0, 64, 795, 1};
inline constexpr unsigned Line1Anchors = akLeft | akTop | akRight;
inline constexpr Rect GradientControl1{0, 505, 795, 64};
inline constexpr unsigned GradientControl1Anchors = akLeft | akRight | akBottom;
inline constexpr Rect Line2{-3, 504, 795, 1};
inline constexpr unsigned Line2Anchors = akLeft | akRight | akBottom;
inline constexpr Rect btnExit{674, 520, 100, 33};
inline constexpr unsigned btnExitAnchors = akRight | akBottom;
inline constexpr Rect pnIe{8, 144, 777, 49};
inline constexpr Rect lblSeries{8, 102, 265, 35};
inline constexpr Rect lblExpr{8, 206, 273, 83};
// Inside pnIe.
inline constexpr std::array<int, 4> TermLefts{2, 146, 290, 434};
inline constexpr int BoxTop = 3;
inline constexpr int BoxWidth = 121;
inline constexpr int BoxHeight = 39;
inline constexpr Rect ieX{578, 3, 121, 39};
inline constexpr Rect btnEval{720, 5, 52, 39};
inline constexpr std::array<int, 5> LabelLefts{123, 267, 411, 555, 699};
inline constexpr int LabelTop = 1;

// Pixel heights of the window's fonts.
inline constexpr int FormFont = 16;  // Tahoma
inline constexpr int BoxFont = 27;   // Arial Narrow
inline constexpr int TitleFont = 24; // Arial Narrow: the title and the formula
inline constexpr int LabelFont = 13; // Tahoma: "(1)" to "(5)"
inline constexpr int RowGap = 10;

// Where the layout routine puts the row of boxes, the title above it and the formula below.
struct RowPlaces {
    Point pnIe;
    Point lblSeries;
    Point lblExpr;
};
// windowWidth is the outer width, border included; the line tops are client coordinates.
RowPlaces PlaceRow(int windowWidth, int line1Top, int line2Top);

// The outer top-left corner of the 800 x 600 window: centred by the screen's half minus the
// window's half, each half dropping its remainder.
Point WindowedOrigin(int screenWidth, int screenHeight);
} // namespace puzzle

namespace settings {
inline constexpr int ClientWidth = 335;
inline constexpr int ClientHeight = 216;
inline constexpr int FontHeight = 11; // Tahoma
inline constexpr Rect cgSettings{16, 8, 217, 193};
inline constexpr Rect btnExecute{248, 8, 75, 25};
inline constexpr Rect btnAbout{248, 40, 75, 25};
inline constexpr Rect btnExit{248, 72, 75, 25};
// Inside cgSettings.
inline constexpr Point Label1{24, 40};
inline constexpr Rect Panel1{32, 56, 177, 57};
inline constexpr Rect rbDodNormal{8, 8, 161, 17}; // inside Panel1
inline constexpr Rect rbDodEasy{8, 32, 161, 17};  // inside Panel1
inline constexpr Rect cbTestMode{24, 128, 185, 17};
inline constexpr Point Label2{24, 161};
inline constexpr Rect ieNumSeries{139, 157, 65, 21};
inline constexpr int CountMin = 1;
inline constexpr int CountMax = 999;
inline constexpr int CountMaxLength = 3;
// The caption panel across the group's top.
inline constexpr int CaptionHeight = 23;
inline constexpr int CaptionTextLeft = 12;
inline constexpr int CaptionFontPoints = 10; // Tahoma
} // namespace settings

namespace about {
inline constexpr int ClientWidth = 373;
inline constexpr int ClientHeight = 261;
inline constexpr int FontHeight = 11; // Tahoma
inline constexpr int StripeWidth = 73;
inline constexpr Rect Shape1{73, 0, 300, 261};
inline constexpr Rect logo{20, 8, 32, 32};
inline constexpr Point Label1{88, 8};
inline constexpr int Label1Font = 16; // Verdana bold
inline constexpr Point Label2{88, 33};
inline constexpr Rect Label5{80, 77, 94, 13};
inline constexpr Point ver{184, 77};
inline constexpr Rect copyinfo{88, 152, 273, 59};
inline constexpr Rect ok{288, 225, 73, 25};
inline constexpr Rect TranslationInfoButton1{88, 224, 100, 24};
} // namespace about

// The gradient band's caption: 12 pixels from the left, centred by halves that drop their
// remainders.
inline constexpr int BandCaptionLeft = 12;
constexpr int BandCaptionTop(int bandHeight, int captionHeight) {
    return bandHeight / 2 - captionHeight / 2;
}
// The flat button's caption and focus frame.
constexpr Point CenteredCaption(int width, int height, int textWidth, int textHeight) {
    return {width / 2 - textWidth / 2, height / 2 - textHeight / 2};
}
inline constexpr int FocusInset = 4;

// Points at 96 dots per inch, rounded half away from zero.
constexpr int PointsToPixels(int points) {
    const int scaled = points * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
}
// The size a drawing surface's font starts with (Tahoma, 8 points).
inline constexpr int DefaultFontPoints = 8;

} // namespace look
