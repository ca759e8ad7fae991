// The one conversion between the program's Windows-1252 strings and Qt's text.
#pragma once

#include <QString>
#include <string>

namespace platform {

QString FromCp1252(const std::string &text);
// Characters outside the code page become '?'.
std::string ToCp1252(const QString &text);

} // namespace platform
