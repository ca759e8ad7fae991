// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Integer edit corrections through the program's one text-to-integer conversion.
#include "look/IntegerText.h"

#include "runtime/IntText.h"

namespace look {

std::optional<std::string> IntegerEditCorrection(const std::string &text, std::int32_t min,
                                                 std::int32_t max) {
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    if (!runtime::TryStrToInt(text, value))
        return runtime::IntToStr(min);
    if (value > max)
        return runtime::IntToStr(max);
    const std::string plain = runtime::IntToStr(value);
    if (plain != text)
        return plain;
    return std::nullopt;
}

IntegerStep IntegerEditStep(const std::string &text, bool up, std::int32_t min, std::int32_t max) {
    IntegerStep step;
    std::int32_t value = 0;
    if (!runtime::TryStrToInt(text, value))
        return step;
    // 64 bits: one past the 32-bit range is a text the next reading rejects.
    step.stepped = runtime::IntToStr(static_cast<std::int64_t>(value) + (up ? 1 : -1));
    if (!runtime::TryStrToInt(step.stepped, value))
        return step;
    step.valid = true;
    if (up && value > max)
        step.bounded = runtime::IntToStr(max);
    else if (!up && value < min)
        step.bounded = runtime::IntToStr(min);
    return step;
}

} // namespace look
