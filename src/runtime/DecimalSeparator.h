// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal separator of the user's number format, the one setting of the locale that the
// calculator reads.
#pragma once

namespace runtime {

// '.' or ','. At first read from the user's locale (LC_NUMERIC; on Windows the user's
// default locale); any separator other than ',' counts as '.'.
char DecimalSeparator();
// Overrides the locale (tests, the console's --sep, the game's platform locale).
void SetDecimalSeparator(char separator);
// Drops an override and reads the environment's locale again.
void UseLocaleDecimalSeparator();

} // namespace runtime
