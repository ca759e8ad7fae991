// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The error-box hook and its console default.
#include "runtime/ErrorBox.h"

#include "runtime/Cp1252.h"

#include <iostream>

namespace runtime {

namespace {

ErrorBoxHandler &Handler() {
    static ErrorBoxHandler handler;
    return handler;
}

} // namespace

void SetErrorBoxHandler(ErrorBoxHandler handler) {
    Handler() = std::move(handler);
}

void ShowErrorBox(const std::string &text, const std::string &caption, bool topmost) {
    if (Handler()) {
        Handler()(text, caption, topmost);
        return;
    }
    std::cerr << Cp1252ToUtf8(caption) << ": " << Cp1252ToUtf8(text) << '\n';
}

} // namespace runtime
