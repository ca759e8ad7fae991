// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The previous substitution of named values, kept as part of the reference evaluator.
#include "Reference.h"

#include "calc/NumCalc.h"
#include "calc/WorkingText.h"

namespace calc::reference {

void SubstituteIdentifier(std::string &text, const std::string &name, runtime::Extended value,
                          bool callsExcluded) {
    using namespace text;
    if (name.empty())
        return;
    std::string written; // formatted at the first hit: most names do not occur
    std::size_t from = 1;
    while (const std::size_t p = Find(text, name, from)) {
        const std::size_t q = p + name.size() - 1;
        // Outside the text At() gives '\0', which is neither, so the text's ends need no case.
        const char after = At(text, q + 1);
        const bool counted =
            !IsNameChar(At(text, p - 1)) && !IsNameChar(after) && !(callsExcluded && after == '(');
        if (!counted) {
            from = p + 1;
            continue;
        }
        if (written.empty())
            written = FormatResult(false, value);
        const std::string replacement =
            (after == '!' || after == '^') ? "{" + written + "}" : written;
        ReplaceSpan(text, p, q, replacement);
        // Go on after the value: a number text never holds a name that could count.
        from = p + replacement.size();
    }
}

} // namespace calc::reference
