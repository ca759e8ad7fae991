// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the user's number format: LC_NUMERIC of the environment (without touching the
// process's global C locale), or on Windows the user's default locale.
#include "runtime/DecimalSeparator.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#endif

namespace runtime {

namespace {

char Normalised(char separator) {
    return separator == ',' ? ',' : '.';
}

#ifdef _WIN32
char FromEnvironment() {
    wchar_t decimal[4] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 4);
    // The length counts the terminating zero: a one-character separator gives 2.
    return Normalised(length == 2 && decimal[0] == L',' ? ',' : '.');
}
#else
char FromEnvironment() {
    locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return '.';
    const char *radix = nl_langinfo_l(RADIXCHAR, locale);
    const char separator = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
    freelocale(locale);
    return Normalised(separator);
}
#endif

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
