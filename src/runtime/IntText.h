// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's text-to-integer conversion: leading spaces, an optional sign, decimal
// digits, nothing after them, and a value in the 32-bit signed range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Raises EConvertError ("'<text>' is not a valid integer value") when the text is no integer.
std::int32_t StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, std::int32_t &value);

// Plain decimal text, with a minus sign when negative.
std::string IntToStr(std::int64_t value);

} // namespace runtime
