// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The previous list statistics (selection by repeated minimum extraction, pair counting), kept
// unchanged as the reference for the sorting ones.
#include "Reference.h"

namespace calc::reference {

namespace {

Extended ExtractMin(TExtendedArray &list) {
    std::size_t at = 0;
    for (std::size_t i = 1; i < list.size(); ++i)
        if (list[i] < list[at])
            at = i;
    const Extended value = list[at];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    return value;
}

} // namespace

TExtendedArray SortAscending(const TExtendedArray &list) {
    TExtendedArray work = list;
    TExtendedArray result(list.size());
    for (Extended &slot : result)
        slot = ExtractMin(work);
    return result;
}

TExtendedArray ValueFrequencies(const TExtendedArray &list) {
    TExtendedArray result(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::size_t count = 0;
        for (const Extended value : list)
            if (value == list[i])
                ++count;
        result[i] = static_cast<Extended>(count);
    }
    return result;
}

} // namespace calc::reference
