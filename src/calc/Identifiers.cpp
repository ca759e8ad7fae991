// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Substitution of named values and parameters into expression text.
#include "calc/Identifiers.h"

#include "calc/NumCalc.h"
#include "calc/WorkingText.h"

namespace calc {

void SubstituteIdentifier(std::string &text, const std::string &name, runtime::Extended value,
                          bool callsExcluded) {
    using namespace text;
    if (name.empty())
        return;
    std::string written; // the text before the scan point, substituted
    std::string value18; // formatted at the first hit: most names do not occur
    std::size_t next = 1;
    while (const std::size_t p = Find(text, name, next)) {
        const std::size_t q = p + name.size() - 1;
        AppendSpan(written, text, next, p - 1);
        // Outside the text At() gives '\0', which is neither, so the text's ends need no case.
        const char before = At(written, written.size());
        const char after = At(text, q + 1);
        if (IsNameChar(before) || IsNameChar(after) || (callsExcluded && after == '(')) {
            written += At(text, p); // the next search starts one character on
            next = p + 1;
            continue;
        }
        if (value18.empty())
            value18 = FormatResult(false, value);
        written += (after == '!' || after == '^') ? "{" + value18 + "}" : value18;
        // Go on after the name: a number text never holds a name that could count.
        next = q + 1;
    }
    AppendSpan(written, text, next, text.size());
    text.swap(written);
}

} // namespace calc
