// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number of sequences of a counted game, read from the settings window's count text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gamecore {

inline constexpr std::int32_t MinSeriesCount = 1;
inline constexpr std::int32_t MaxSeriesCount = 999;

// The text (Windows-1252) read as a 32-bit integer and clamped to 1..999; nothing when the
// text is no integer.
std::optional<std::int32_t> SeriesCount(const std::string &text);

} // namespace gamecore
