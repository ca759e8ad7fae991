// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// QString <-> Windows-1252 through UTF-8.
#include "platform/Text.h"

#include "runtime/Cp1252.h"

namespace platform {

QString FromCp1252(const std::string &text) {
    return QString::fromStdString(runtime::Cp1252ToUtf8(text));
}

std::string ToCp1252(const QString &text) {
    return runtime::Utf8ToCp1252(text.toStdString());
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace platform
