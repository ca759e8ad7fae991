// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The enumerations the own controls publish as properties.
#pragma once

#include <QObject>

namespace controls {
Q_NAMESPACE

enum TGradientDirection { gdHorizontal = 0, gdVertical = 1 };
Q_ENUM_NS(TGradientDirection)

// One ring of a panel's bevel.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

} // namespace controls
