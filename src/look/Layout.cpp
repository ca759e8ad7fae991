// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Anchors and the puzzle window's placement: exact halves, ties to the even integer.
#include "look/Layout.h"

#include "runtime/Extended.h"
#include "runtime/Rounding.h"

namespace look {

namespace {

// One axis: the start and extent for a new client extent.
void Axis(int &start, int &extent, bool nearEdge, bool farEdge, int designClient, int client) {
    const int farDistance = designClient - (start + extent);
    if (nearEdge && farEdge)
        extent = client - start - farDistance;
    else if (farEdge)
        start = client - farDistance - extent;
}

int Nearest(runtime::Extended value) {
    return static_cast<int>(runtime::RoundHalfEven(value));
}

} // namespace

Rect Anchored(const Rect &design, unsigned anchors, int designWidth, int designHeight, int width,
              int height) {
    Rect r = design;
    Axis(r.left, r.width, (anchors & akLeft) != 0, (anchors & akRight) != 0, designWidth, width);
    Axis(r.top, r.height, (anchors & akTop) != 0, (anchors & akBottom) != 0, designHeight, height);
    return r;
}

namespace puzzle {

RowPlaces PlaceRow(int windowWidth, int line1Top, int line2Top) {
    using runtime::Extended;
    RowPlaces places;
    places.pnIe.y =
        line1Top + Nearest((line2Top - line1Top) / Extended(2) - pnIe.height / Extended(2));
    places.pnIe.x = Nearest(windowWidth / Extended(2) - pnIe.width / Extended(2));
    places.lblSeries = {places.pnIe.x + TermLefts[0], places.pnIe.y - lblSeries.height - RowGap};
    places.lblExpr = {places.pnIe.x + TermLefts[0], places.pnIe.y + pnIe.height + RowGap};
    return places;
}

Point WindowedOrigin(int screenWidth, int screenHeight) {
    return {screenWidth / 2 - WindowedWidth / 2, screenHeight / 2 - WindowedHeight / 2};
}

} // namespace puzzle

} // namespace look
