// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a number from text: spaces, a sign, digits with the locale's decimal separator and
// an exponent, accumulated in extended precision and scaled by the power of ten.
#include "calc/NumCalc.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/Faults.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace calc {

namespace {

// 10^27 = 2^27 * 5^27 with 5^27 < 2^64: every power of ten up to it is exact in a 64-bit
// significand.
constexpr int kLargestExactPower = 27;
constexpr auto kExactPowersOfTen = [] {
    std::array<Extended, kLargestExactPower + 1> powers{};
    Extended power = 1;
    for (Extended &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

// 10^19 - 1 < 2^64: up to 19 digits accumulate exactly in a 64-bit integer.
constexpr int kExactDigits = 19;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the 8 characters at p are all digits; if so, their value.
bool EightDigits(const char *p, std::uint64_t &value) {
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, p, 8);
    // A digit is a byte 0x30..0x39: its high nibble is 3, and adding 6 must keep it 3, which
    // rules out ":" to "?" (0x3A..0x3F). No byte carries into the next, as none is above 0x3F.
    if ((chunk & 0xF0F0F0F0F0F0F0F0u) != 0x3030303030303030u ||
        ((chunk + 0x0606060606060606u) & 0xF0F0F0F0F0F0F0F0u) != 0x3030303030303030u)
        return false;
    chunk -= 0x3030303030303030u;
    // Adjacent digits combine into pairs, pairs into fours, fours into all eight; the first
    // character is the lowest byte, so each step takes the lower part times 10, 100, 10000.
    chunk = (chunk * 10 + (chunk >> 8)) & 0x00FF00FF00FF00FFu;
    chunk = (chunk * 100 + (chunk >> 16)) & 0x0000FFFF0000FFFFu;
    value = (chunk * 10000 + (chunk >> 32)) & 0xFFFFFFFFu;
    return true;
}

// The digits of a number as read so far: the first 19 exactly in an integer, every further
// one in extended precision, one multiply-add at a time, as the value is defined.
class DigitAccumulator {
  public:
    // Takes the run of digits at text[i] on; returns how many it took.
    std::size_t TakeRun(std::string_view text, std::size_t &i) {
        const std::size_t start = i;
        std::uint64_t eight = 0;
        // Eight at a time while they still fit in the integer.
        while (taken + 8 <= kExactDigits && i + 8 <= text.size() &&
               EightDigits(text.data() + i, eight)) {
            exact = exact * 100000000u + eight;
            taken += 8;
            i += 8;
        }
        for (; i < text.size() && IsDigit(text[i]); ++i)
            Take(text[i] - '0');
        return i - start;
    }
    // Whether every digit went into the integer.
    bool Exact() const { return taken <= kExactDigits; }
    std::uint64_t Integer() const { return exact; }
    Extended Value() const { return Exact() ? static_cast<Extended>(exact) : digits; }

  private:
    void Take(int digit) {
        if (taken < kExactDigits) {
            exact = exact * 10 + static_cast<std::uint64_t>(digit);
        } else {
            // Every step up to here was exact, in an integer as in extended precision.
            if (taken == kExactDigits)
                digits = static_cast<Extended>(exact);
            digits = digits * 10 + digit;
        }
        ++taken;
    }

    std::uint64_t exact = 0;
    int taken = 0;
    Extended digits = 0;
};

// An exponent after "E" or "e" at text[i]: a sign and digits, taken only while the exponent is
// below 500 (so a further digit is left over and the text is invalid). No digits count as 0.
long ReadExponent(std::string_view text, std::size_t &i) {
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long exponent = 0;
    while (i < text.size() && IsDigit(text[i]) && exponent < 500)
        exponent = exponent * 10 + (text[i++] - '0');
    return negative ? -exponent : exponent;
}

// digits * 10^scale for a scale beyond the exact powers: one correctly rounded product of the
// accumulated (integral) value and the power of ten, from the exact decimal digits of that
// value (at most 4933). The text holds no decimal point, so the C library's locale cannot
// change how it is read.
[[gnu::noinline]] Extended ScaleByLibrary(Extended digits, long scale) {
    char buffer[4960];
    std::snprintf(buffer, sizeof buffer, "%.0Lf", digits);
    std::string text = buffer;
    text += 'e';
    text += std::to_string(scale);
    return std::strtold(text.c_str(), nullptr);
}

// digits * 10^scale, correctly rounded; infinity when it leaves the extended range.
Extended Scale(Extended digits, long scale) {
    if (scale < -kLargestExactPower || scale > kLargestExactPower)
        return ScaleByLibrary(digits, scale);
    // The power is exact, so one multiplication or division rounds correctly.
    const Extended power = kExactPowersOfTen[static_cast<std::size_t>(scale < 0 ? -scale : scale)];
    return scale < 0 ? digits / power : digits * power;
}

} // namespace

Extended ParseReal(std::string_view text) {
    const auto invalid = [&text]() {
        return runtime::EConvertError("'" + std::string(text) +
                                      "' is not a valid floating point value");
    };
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    // At least one digit or the separator: a lone separator reads as 0, a lone sign fails.
    DigitAccumulator digits;
    bool any = digits.TakeRun(text, i) > 0;
    long scale = 0;
    if (i < n && text[i] == runtime::DecimalSeparator()) {
        any = true;
        ++i;
        scale = -static_cast<long>(digits.TakeRun(text, i));
    }
    if (!any)
        throw invalid();
    if (i < n && (text[i] == 'E' || text[i] == 'e'))
        scale += ReadExponent(text, ++i);
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        throw invalid();

    // Too many digits leave the extended range before any scaling.
    const Extended value = digits.Value();
    if (std::isinf(value))
        throw invalid();
    if (value == 0)
        return negative ? -0.0L : 0.0L;
    const Extended magnitude = Scale(value, scale);
    if (std::isinf(magnitude))
        throw invalid();
    return negative ? -magnitude : magnitude;
}

} // namespace calc
