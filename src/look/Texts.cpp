// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that are joined from pieces.
#include "look/Texts.h"

namespace look {

std::string TermLabel(int n) {
    return "(" + std::to_string(n) + ")";
}

std::string TranslationInfoText() {
    return "This is an English translation of the original Swedish version of the "
           "application.\r\n\r\nMore information about the translation can be found at " +
           std::string(TranslationWebSite) +
           ". Please report any linguistic errors to the author of the application by e-mail "
           "at " +
           std::string(TranslationEmail) + ".";
}

std::string NotIntegerMessage(std::string_view boxText) {
    return "The entered value \"" + std::string(boxText) + "\" is not a valid integer.";
}

std::string InvalidCountMessage(std::string_view countText) {
    return "The entered number of sequences (\"" + std::string(countText) +
           "\") is not a valid integer.";
}

} // namespace look
