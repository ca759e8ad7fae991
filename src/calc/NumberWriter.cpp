// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a value as text: its 18 significant digits, correctly rounded, then rounded to the
// precision asked for and laid out in fixed or scientific notation with the locale's decimal
// separator.
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "calc/WorkingText.h"
#include "calc/detail/ExactScaling.h"
#include "calc/detail/NumberText.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace calc {

namespace {

using detail::ScaleExactly;

constexpr int kFullDigits = 18;
constexpr std::uint64_t kTenTo17 = 100000000000000000u;
constexpr std::uint64_t kTenTo18 = 1000000000000000000u;

// The 80 bits of an extended value.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

ExtendedBits BitsOf(Extended value) {
    ExtendedBits bits{};
    static_assert(sizeof(Extended) >= 10);
    char bytes[sizeof(Extended)];
    std::memcpy(bytes, &value, sizeof bytes);
    std::memcpy(&bits.significand, bytes, 8);
    std::memcpy(&bits.signAndExponent, bytes + 8, 2);
    return bits;
}

// "00" to "99": the digits of a number two at a time, for one division by 100 per pair.
constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930"
                          "31323334353637383940414243444546474849505152535455565758596061"
                          "6263646566676869707172737475767778798081828384858687888990919293"
                          "949596979899";

// The 18 decimal digits of q, 10^17 <= q < 10^18, two at a time from a table of the pairs
// 00 to 99, in two halves of nine digits that 32-bit arithmetic can take.
void WriteEighteenDigits(std::uint64_t q, char (&digits)[kFullDigits]) {
    const std::uint32_t halves[2] = {static_cast<std::uint32_t>(q / 1000000000u),
                                     static_cast<std::uint32_t>(q % 1000000000u)};
    for (int half = 0; half < 2; ++half) {
        std::uint32_t part = halves[half];
        const int first = 9 * half;
        // Digits first + 1 to first + 8 in four pairs from the right, then the first.
        for (int i = first + 7; i > first; i -= 2, part /= 100) {
            const std::size_t pair = std::size_t{2} * (part % 100);
            digits[i] = kPairs[pair];
            digits[i + 1] = kPairs[pair + 1];
        }
        digits[first] = static_cast<char>('0' + part);
    }
}

// The 18 significant digits of the magnitude of a normal value between about 10^-21 and
// 2^127 as an integer 10^17 <= q < 10^18, rounded to nearest with ties to even, and its
// decimal exponent E; false for every other value (zero, subnormals, infinities, NaN,
// encodings the x87 unit does not support), which the C library converts.
bool EighteenDigitsExactly(const ExtendedBits &bits, std::uint64_t &digits, int &exponent) {
    const int biased = bits.signAndExponent & 0x7FFF;
    if (biased == 0 || (bits.significand >> 63) == 0)
        return false;                 // subnormal or not a normal encoding
    const int power = biased - 16383; // 2^power <= magnitude < 2^(power + 1)
    // The range where ScaleExactly's integers suffice: 2^-70 needs 10^38 to reach 18 digits,
    // and 2^127 divided by 10^21 still has 18.
    if (power < -70 || power > 126)
        return false;
    const int binary = power - 63; // magnitude = significand * 2^binary
    // 78913 / 2^18 is log10(2) within 3e-8, which makes the shift floor(power * log10(2)) for
    // every |power| up to 1650, far beyond 126. A magnitude in [2^power, 2^(power + 1)) spans
    // less than a factor of ten, so one more is E or E - 1.
    int decimalExponent = ((power * 78913) >> 18) + 1;
    std::uint64_t q = 0;
    int rest = 0;
    if (!ScaleExactly(bits.significand, binary, kFullDigits - decimalExponent, q, rest))
        return false;
    if (q >= kTenTo18) { // the estimate was E - 1: one digit too many
        ++decimalExponent;
        if (!ScaleExactly(bits.significand, binary, kFullDigits - decimalExponent, q, rest))
            return false;
    }
    if (rest > 0 || (rest == 0 && (q & 1u)))
        ++q;
    if (q == kTenTo18) { // rounding carried into a nineteenth digit
        q = kTenTo17;
        ++decimalExponent;
    }
    digits = q;
    exponent = decimalExponent;
    return true;
}

// The significant digits of a positive finite magnitude, correctly rounded to 18, and its
// decimal exponent E, by the C library's exact conversion.
void EighteenDigitsByLibrary(Extended magnitude, char (&digits)[kFullDigits], int &exponent) {
    // d.ddddddddddddddddde[+-]x
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    const char *p = buffer;
    for (int i = 0; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits[i++] = *p;
    exponent = std::atoi(p + 1) + 1;
}

// The 18 digits and exponent of a finite nonzero value, with its sign written to out; false
// after writing the whole text of zero, an infinity or NaN.
bool SignAndDigits(std::string &out, Extended value, char (&digits)[kFullDigits], int &exponent) {
    // The values that expressions produce take the exact integer conversion, which needs no
    // classification: they are normal and finite.
    const ExtendedBits bits = BitsOf(value);
    std::uint64_t q = 0;
    if (EighteenDigitsExactly(bits, q, exponent)) {
        if (bits.signAndExponent & 0x8000)
            out += '-';
        WriteEighteenDigits(q, digits);
        return true;
    }
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-NAN" : "NAN";
        return false;
    }
    if (value == 0) {
        out += '0';
        return false;
    }
    if (std::signbit(value))
        out += '-';
    if (std::isinf(value)) {
        out += "INF";
        return false;
    }
    EighteenDigitsByLibrary(std::fabs(value), digits, exponent);
    return true;
}

// Rounds the digits to precision by the first dropped digit (a carry out of the first digit
// raises the exponent) and returns how many remain once trailing zeros are dropped.
int RoundToPrecision(char (&digits)[kFullDigits], int precision, int &exponent) {
    int count = kFullDigits;
    if (precision < count) {
        const bool up = digits[precision] >= '5';
        count = precision;
        if (up) {
            int i = count - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                digits[0] = '1';
                ++exponent;
            }
        }
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return count;
}

// Fixed notation: "0", the separator and -E zeros before the digits when E <= 0; else the
// first E digits, padded with zeros, and the rest after the separator.
char *WriteFixed(char *p, const char *digits, int count, int exponent, char separator) {
    if (exponent <= 0) {
        *p++ = '0';
        *p++ = separator;
        p = std::fill_n(p, -exponent, '0');
        return std::copy(digits, digits + count, p);
    }
    if (count <= exponent)
        return std::fill_n(std::copy(digits, digits + count, p), exponent - count, '0');
    p = std::copy(digits, digits + exponent, p);
    *p++ = separator;
    return std::copy(digits + exponent, digits + count, p);
}

// Scientific notation: d[.ddd]E[-]x, the exponent E - 1 padded with zeros to padding digits.
char *WriteScientific(char *p, const char *digits, int count, int exponent, int padding,
                      char separator) {
    *p++ = digits[0];
    if (count > 1) {
        *p++ = separator;
        p = std::copy(digits + 1, digits + count, p);
    }
    *p++ = 'E';
    const int shown = exponent - 1;
    if (shown < 0)
        *p++ = '-';
    // At most 4951, so four digits, written from the right.
    char exponentDigits[8];
    char *const end = exponentDigits + sizeof exponentDigits;
    char *e = end;
    int rest = shown < 0 ? -shown : shown;
    do {
        *--e = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (end - e < padding)
        p = std::fill_n(p, padding - (end - e), '0');
    return std::copy(e, end, p);
}

// Appends the text of value with precision significant digits and the exponent padded to
// padding digits.
void AppendNumber(std::string &out, Extended value, int precision, int padding) {
    char digits[kFullDigits];
    int exponent = 0; // E: 10^(E-1) <= magnitude < 10^E
    if (!SignAndDigits(out, value, digits, exponent))
        return;
    const int count = RoundToPrecision(digits, precision, exponent);
    // The longest text: 18 digits, a separator, 3 leading zeros and "0" (fixed), or 18
    // digits, a separator, "E-" and 4 exponent digits (scientific).
    char buffer[32];
    const char separator = runtime::DecimalSeparator();
    char *const end = exponent >= -3 && exponent <= precision
                          ? WriteFixed(buffer, digits, count, exponent, separator)
                          : WriteScientific(buffer, digits, count, exponent, padding, separator);
    out.append(buffer, end);
}

} // namespace

void detail::DigitsSetting(bool useDigits, int &precision, int &padding) {
    precision = kFullDigits;
    padding = 0;
    if (!useDigits)
        return;
    Extended digits = 12;
    GetVariable("_digits", digits);
    const Extended rounded = runtime::RoundHalfEven(digits);
    // NaN fails every comparison and counts as the smallest precision.
    if (rounded >= 0 && rounded <= 4)
        padding = static_cast<int>(rounded);
    if (rounded >= kFullDigits)
        precision = kFullDigits;
    else if (rounded >= 2)
        precision = static_cast<int>(rounded);
    else
        precision = 2;
}

std::string FormatResult(bool UseDigits, Extended value) {
    int precision = 0;
    int padding = 0;
    detail::DigitsSetting(UseDigits, precision, padding);
    std::string out;
    AppendNumber(out, value, precision, padding);
    return out;
}

void text::AppendValue(std::string &text, Extended value) {
    AppendNumber(text, value, kFullDigits, 0);
}

} // namespace calc
