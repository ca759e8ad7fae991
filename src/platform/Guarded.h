// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one exception guard around event handlers: exceptions never cross Qt's event loop.
#pragma once

#include "platform/Messages.h"
#include "platform/Text.h"
#include "runtime/Faults.h"

#include <exception>

namespace platform {

// The silent abort is dropped; any other failure is shown in an error box owned by the
// application and captioned "Quintara".
template <class F> void Guarded(F &&handler) {
    try {
        handler();
    } catch (const runtime::EAbort &) {
    } catch (const std::exception &e) {
        ShowMessage(nullptr, FromCp1252(e.what()), QStringLiteral("Quintara"), MsgIcon::Error);
    }
}

} // namespace platform
