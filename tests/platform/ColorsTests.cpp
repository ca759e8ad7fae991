// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Colours: RGB values pass through, system colours resolve through the palette.
#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(Colors, RGBValuesPassWithTheirTopByteCleared) {
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
    EXPECT_EQ(ColorToRGB(0x7F123456), 0x00123456u);
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(FromQColor(QColor(0x56, 0x34, 0x12)), 0x00123456u);
}

TEST(Colors, SystemColoursFollowTheApplicationPalette) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    struct Row {
        TColor reference;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QColor color;
    };
    const Row rows[] = {
        {clWindow, QPalette::Active, QPalette::Base, QColor(1, 2, 3)},
        {clBtnFace, QPalette::Active, QPalette::Button, QColor(4, 5, 6)},
        {clBtnShadow, QPalette::Active, QPalette::Dark, QColor(7, 8, 9)},
        {clHighlight, QPalette::Active, QPalette::Highlight, QColor(10, 11, 12)},
        {clHighlightText, QPalette::Active, QPalette::HighlightedText, QColor(13, 14, 15)},
        {clWindowText, QPalette::Active, QPalette::Text, QColor(16, 17, 18)},
        {clBtnText, QPalette::Active, QPalette::ButtonText, QColor(19, 20, 21)},
        {clGrayText, QPalette::Disabled, QPalette::WindowText, QColor(22, 23, 24)},
    };
    for (const Row &row : rows)
        palette.setColor(row.group, row.role, row.color);
    QApplication::setPalette(palette);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.reference);
        EXPECT_EQ(ToQColor(row.reference), row.color);
        EXPECT_EQ(GetSysColor(static_cast<int>(row.reference & 0xFF)), FromQColor(row.color));
    }
    QApplication::setPalette(saved);
}

TEST(Colors, UnknownSystemIndexIsBlack) {
    for (int index : {25, 31, 200, -1})
        EXPECT_EQ(GetSysColor(index), clBlack) << index;
    EXPECT_EQ(ColorToRGB(0xFF0000C8), clBlack);
}

} // namespace
