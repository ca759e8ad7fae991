// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one conversion between the program's Windows-1252 strings and Qt's text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString FromCp1252(const std::string &text);
// Characters outside the code page become '?'.
std::string ToCp1252(const QString &text);
// The texts both front ends share, kept in UTF-8.
QString FromUtf8(std::string_view text);

} // namespace platform
