// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and clamping the count of a counted game.
#include "gamecore/SeriesCount.h"

#include "runtime/IntText.h"

#include <algorithm>

namespace gamecore {

std::optional<std::int32_t> SeriesCount(const std::string &text) {
    std::int32_t count = 0;
    if (!runtime::TryStrToInt(text, count))
        return std::nullopt;
    return std::min(std::max(count, MinSeriesCount), MaxSeriesCount);
}

} // namespace gamecore
