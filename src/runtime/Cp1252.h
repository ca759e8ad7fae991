// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 code page that the program's strings are held in.
#pragma once

#include <string>
#include <string_view>

namespace runtime {

// The Unicode code point of a Windows-1252 byte (the five unassigned bytes map to
// themselves, as Windows does).
char32_t Cp1252ToUnicode(unsigned char byte);
// The Windows-1252 byte of a code point, or -1 when the code page has none.
int UnicodeToCp1252(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view text);
// Characters outside the code page become '?'; malformed UTF-8 bytes are taken as they are.
std::string Utf8ToCp1252(std::string_view text);

} // namespace runtime
