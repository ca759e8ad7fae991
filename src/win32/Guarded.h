// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one exception guard around message handlers: no exception crosses the message loop.
#pragma once

#include "look/Texts.h"
#include "runtime/Faults.h"
#include "win32/Messages.h"
#include "win32/Text.h"

#include <exception>

namespace win32 {

// The silent abort is dropped; any other failure is shown in an error box captioned
// "Quintara". Returns whether the handler ran to its end.
template <class F> bool Guarded(F &&handler) {
    try {
        handler();
        return true;
    } catch (const runtime::EAbort &) {
    } catch (const std::exception &e) {
        ShowMessage(GetActiveWindow(), FromCp1252(e.what()), FromUtf8(look::ApplicationTitle),
                    MsgIcon::Error);
    }
    return false;
}

} // namespace win32
