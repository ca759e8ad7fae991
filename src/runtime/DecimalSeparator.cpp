// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads LC_NUMERIC of the environment without touching the process's global C locale.
#include "runtime/DecimalSeparator.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace runtime {

namespace {

char Normalised(char separator) {
    return separator == ',' ? ',' : '.';
}

char FromEnvironment() {
    locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return '.';
    const char *radix = nl_langinfo_l(RADIXCHAR, locale);
    const char separator = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
    freelocale(locale);
    return Normalised(separator);
}

char &Current() {
    static char separator = FromEnvironment();
    return separator;
}

} // namespace

char DecimalSeparator() {
    return Current();
}

void SetDecimalSeparator(char separator) {
    Current() = Normalised(separator);
}

void UseLocaleDecimalSeparator() {
    Current() = FromEnvironment();
}

} // namespace runtime
