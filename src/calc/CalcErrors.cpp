// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's error vocabulary (Windows-1252) and the per-evaluation error state.
#include "calc/CalcErrors.h"
#include "calc/NumCalc.h"

#include "runtime/ErrorBox.h"
#include "runtime/Faults.h"

namespace calc {

bool ErrorReported = false;
bool ErrorOccurred = false;
std::uint16_t ImmediateErrors = 0;
int FirstError = -1;
std::string FirstErrorMessage;

// The escapes are split from the text after them so that no letter is read as a hex digit.
std::string CalcErrorMessage(TCalcError code, const std::string &detail) {
    switch (code) {
    case errSyntax:
        return "Syntaxfel.";
    case errDivisionByZero:
        return "Division med noll.";
    case errArgumentCount:
        return "Felaktigt antal argument till funktionen " + detail + ".";
    case errInvalidArgument:
        return "Ogiltigt argument till funktionen " + detail + ".";
    case errUnknownVariable:
        return "Det finns ingen variabel eller konstant deklarerad med namnet " + detail + ".";
    case errUnknownFunction:
        return "Det finns ingen funktion deklarerad med namnet " + detail + ".";
    case errNotReal:
        return "V\xE4"
               "rdet \"" +
               detail +
               "\" \xE4"
               "r inte ett reellt tal i intervallet 3.6\xD7"
               "10^-4951 till 1.1\xD7"
               "10^4932.";
    case errCannotCompute:
        return "Det gick inte att ber\xE4"
               "kna " +
               detail + " av det angivna argumentet.";
    case errNaturalExpected:
        return "Ett naturligt tal f\xF6"
               "rv\xE4"
               "ntades som argument till funktionen " +
               detail + ".";
    case errIntegerExpected:
        return "Ett heltal f\xF6"
               "rv\xE4"
               "ntades som argument till funktionen " +
               detail + ".";
    case errUnknown:
        return "Ett ok\xE4"
               "nt fel intr\xE4"
               "ffade vid ber\xE4"
               "kning av uttrycket. Kontrollera syntaxen.";
    case errNoSmallerPrime:
        return "Funktionen " + detail +
               " kunde inte ber\xE4"
               "knas, ty det minsta primtalet \xE4"
               "r 2.";
    }
    return "Ospecificerat fel.Identifierare: " + detail;
}

void ResetErrorState(bool clearReported) {
    ErrorOccurred = false;
    FirstError = -1;
    FirstErrorMessage.clear();
    if (clearReported)
        ErrorReported = false;
}

void RaiseCalcError(TCalcError code, const std::string &detail) {
    const std::string message = CalcErrorMessage(code, detail);
    const bool immediate = code <= 15 && (ImmediateErrors & (1u << code)) != 0;
    if (immediate && !ErrorReported)
        runtime::ShowErrorBox(message, "Kvarnelo", true);
    const bool alreadyReported = ErrorReported;
    ErrorReported = true;
    ErrorOccurred = true;
    if (FirstError < 0) {
        FirstError = code;
        FirstErrorMessage = message;
    }
    if (alreadyReported || immediate)
        throw runtime::EAbort();
}

} // namespace calc
