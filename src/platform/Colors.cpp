// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// System colours from the application palette: one table from colour index to palette role.
#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace platform {
namespace {

struct SysColorRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by the system colour index; NoRole marks an index without a colour.
constexpr std::array<SysColorRole, 31> SysColorRoles = {{
    {QPalette::Active, QPalette::Button},            // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Window},            // 10 active border
    {QPalette::Active, QPalette::Window},            // 11 inactive border
    {QPalette::Active, QPalette::Dark},              // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 highlight text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::WindowText},      // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tooltip background
    {QPalette::Active, QPalette::NoRole},            // 25 unused
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
}};

} // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(SysColorRoles.size()))
        return clBlack;
    const SysColorRole &entry = SysColorRoles[static_cast<std::size_t>(index)];
    if (entry.role == QPalette::NoRole)
        return clBlack;
    return FromQColor(QApplication::palette().color(entry.group, entry.role));
}

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor FromQColor(const QColor &color) {
    const QColor c = color.toRgb();
    return RGBColor(c.red(), c.green(), c.blue());
}

} // namespace platform
