// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The integer edit box's rules on its text, apart from any edit control: which characters
// it takes, how a change is corrected and how the arrow keys step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace look {

// Digits, backspace and the full stop; every other typed character is discarded.
constexpr bool IntegerEditAccepts(char32_t character) {
    return (character >= U'0' && character <= U'9') || character == 8 || character == U'.';
}

// One correcting step of a change: the text to write, or nothing when the text stands. A
// value above max becomes max, a whole number its plain decimal form, anything else min.
// The empty text stands.
std::optional<std::string> IntegerEditCorrection(const std::string &text, std::int32_t min,
                                                 std::int32_t max);

// An arrow step on the text: the texts written in turn (the stepped value, then the bound
// when the step passed it), or nothing when the text is no integer, which clears the box.
struct IntegerStep {
    bool valid = false;
    std::string stepped;
    std::optional<std::string> bounded;
};
IntegerStep IntegerEditStep(const std::string &text, bool up, std::int32_t min, std::int32_t max);

} // namespace look
