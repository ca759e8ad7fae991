// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The compare-and-store step of every property setter: true when the value changed.
#pragma once

#include <utility>

namespace platform {

template <class T, class U> bool AssignIfChanged(T &field, U &&value) {
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}

} // namespace platform
