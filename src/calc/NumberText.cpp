// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Number text: values written with a given number of significant digits, and text read back
// as a value, both with the locale's decimal separator.
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "calc/WorkingText.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace calc {

namespace {

constexpr int kFullDigits = 18;

// Precision and exponent padding from _digits: the precision is clamped to 2..18, the
// padding is the rounded value itself when it lies in 0..4.
void DigitsSetting(bool useDigits, int &precision, int &padding) {
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

__extension__ typedef unsigned __int128 U128;

// 10^0 to 10^(count - 1), computed by repeated multiplication (each step exact for the tables
// below).
template <class T, std::size_t count> constexpr std::array<T, count> PowersOfTen() {
    std::array<T, count> powers{};
    T power = 1;
    for (T &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}

// The powers that fit in 128 bits, and those that are exact in extended precision.
constexpr auto kPowersOfTen = PowersOfTen<U128, 39>();
constexpr auto kExactPowersOfTen = PowersOfTen<Extended, 28>();

// Whether the 8 characters at p are all digits; if so, their value.
bool EightDigits(const char *p, std::uint64_t &value) {
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, p, 8);
    // Every byte 0x30..0x39: the high nibble is 3, and adding 6 keeps it 3.
    if ((chunk & 0xF0F0F0F0F0F0F0F0u) != 0x3030303030303030u ||
        ((chunk + 0x0606060606060606u) & 0xF0F0F0F0F0F0F0F0u) != 0x3030303030303030u)
        return false;
    chunk -= 0x3030303030303030u;
    // Pairs, then fours, then all eight (the first character is the lowest byte).
    chunk = (chunk * 10 + (chunk >> 8)) & 0x00FF00FF00FF00FFu;
    chunk = (chunk * 100 + (chunk >> 16)) & 0x0000FFFF0000FFFFu;
    value = (chunk * 10000 + (chunk >> 32)) & 0xFFFFFFFFu;
    return true;
}

constexpr std::uint64_t kTenTo17 = 100000000000000000u;
constexpr std::uint64_t kTenTo18 = 1000000000000000000u;

// floor(m * 2^binary * 10^decimal) and where the rest lies against one half (-1 below, 0 at,
// 1 above), in exact integer arithmetic; false when the numbers involved would not fit.
bool ScaleExactly(std::uint64_t m, int binary, int decimal, std::uint64_t &quotient, int &rest) {
    if (decimal > 38 || decimal < -38)
        return false;
    if (binary < 0 && decimal >= 0) {
        // m * 10^decimal as three 64-bit words, then shifted right by -binary: the quotient
        // is the 64 bits from there up, the rest the bits below.
        const int shift = -binary;
        if (decimal <= 19 && shift <= 127) {
            // The usual case: the product fits in 128 bits.
            const U128 product =
                static_cast<U128>(m) * static_cast<std::uint64_t>(kPowersOfTen[decimal]);
            if (product >> shift >> 64 != 0)
                return false;
            quotient = static_cast<std::uint64_t>(product >> shift);
            const U128 below = product & ((U128{1} << shift) - 1);
            const U128 half = U128{1} << (shift - 1);
            rest = below < half ? -1 : (below == half ? 0 : 1);
            return true;
        }
        if (shift > 128)
            return false;
        const U128 power = kPowersOfTen[static_cast<std::size_t>(decimal)];
        const U128 low = static_cast<U128>(m) * static_cast<std::uint64_t>(power);
        const U128 high = static_cast<U128>(m) * static_cast<std::uint64_t>(power >> 64);
        const U128 middle = (low >> 64) + static_cast<std::uint64_t>(high);
        const std::uint64_t words[3] = {static_cast<std::uint64_t>(low),
                                        static_cast<std::uint64_t>(middle),
                                        static_cast<std::uint64_t>((middle >> 64) + (high >> 64))};
        const auto bit = [&](int i) { return (words[i / 64] >> (i % 64)) & 1u; };
        const auto bits = [&](int from) { // 64 bits from bit from on
            const int word = from / 64, offset = from % 64;
            std::uint64_t value = words[word] >> offset;
            if (offset != 0 && word + 1 < 3)
                value |= words[word + 1] << (64 - offset);
            return value;
        };
        // The quotient must fit in 64 bits: nothing may be set from bit shift + 64 on.
        for (int word = 2; word >= 0; --word)
            if (words[word] != 0) {
                if (64 * word + 63 - __builtin_clzll(words[word]) >= shift + 64)
                    return false;
                break;
            }
        quotient = bits(shift);
        const bool half = bit(shift - 1) != 0;
        bool below = false;
        for (int word = 0; word * 64 < shift - 1 && !below; ++word) {
            const int count = std::min(64, shift - 1 - word * 64);
            const std::uint64_t mask =
                count == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
            below = (words[word] & mask) != 0;
        }
        rest = !half ? -1 : (below ? 1 : 0);
        return true;
    }
    // An integer of up to 127 bits divided by a power of ten, or m divided by a small power of
    // ten times a small power of two.
    if (decimal > 0 || binary > 63 || binary < -4 || (binary < 0 && decimal < -19))
        return false;
    const U128 numerator = static_cast<U128>(m) << (binary > 0 ? binary : 0);
    const U128 denominator = kPowersOfTen[static_cast<std::size_t>(-decimal)]
                             << (binary < 0 ? -binary : 0);
    if (denominator >> 126 != 0)
        return false;
    const U128 q = numerator / denominator;
    if (q >> 64 != 0)
        return false;
    quotient = static_cast<std::uint64_t>(q);
    const U128 twice = 2 * (numerator % denominator);
    rest = twice < denominator ? -1 : (twice == denominator ? 0 : 1);
    return true;
}

// The 80 bits of an extended value.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

ExtendedBits BitsOf(Extended value) {
    ExtendedBits bits{};
    static_assert(sizeof(Extended) >= 10);
    std::memcpy(&bits.significand, &value, 8);
    std::memcpy(&bits.signAndExponent, reinterpret_cast<const char *>(&value) + 8, 2);
    return bits;
}

// The 18 significant digits of the magnitude of a normal value between about 10^-20 and
// 2^127, rounded to nearest with ties to even, and its decimal exponent E; false for every
// other value (zero, subnormals, infinities, NaN, encodings the x87 unit does not support).
bool EighteenDigitsExactly(const ExtendedBits &bits, char (&digits)[kFullDigits], int &exponent) {
    const int biased = bits.signAndExponent & 0x7FFF;
    if (biased == 0 || (bits.significand >> 63) == 0)
        return false;                 // subnormal or not a normal encoding
    const int power = biased - 16383; // 2^power <= magnitude < 2^(power + 1)
    if (power < -70 || power > 126)
        return false;
    const int binary = power - 63;
    // floor(power * log10(2)) + 1 is E or one less.
    int decimalExponent = ((power * 78913) >> 18) + 1;
    std::uint64_t q = 0;
    int rest = 0;
    if (!ScaleExactly(bits.significand, binary, kFullDigits - decimalExponent, q, rest))
        return false;
    if (q >= kTenTo18) {
        ++decimalExponent;
        if (!ScaleExactly(bits.significand, binary, kFullDigits - decimalExponent, q, rest))
            return false;
    }
    if (rest > 0 || (rest == 0 && (q & 1u)))
        ++q;
    if (q == kTenTo18) {
        q = kTenTo17;
        ++decimalExponent;
    }
    // Two digits at a time, in two 32-bit halves of nine digits.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930"
        "31323334353637383940414243444546474849505152535455565758596061"
        "6263646566676869707172737475767778798081828384858687888990919293"
        "949596979899";
    for (int half = 1; half >= 0; --half) {
        auto part = static_cast<std::uint32_t>(half == 1 ? q % 1000000000u : q / 1000000000u);
        int i = half * 9 + 8;
        for (; i > half * 9; i -= 2, part /= 100) {
            digits[i - 1] = kPairs[2 * (part % 100)];
            digits[i] = kPairs[2 * (part % 100) + 1];
        }
        digits[i] = static_cast<char>('0' + part);
    }
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

// Appends the text of value with precision significant digits and the exponent padded to
// padding digits.
void AppendNumber(std::string &out, Extended value, int precision, int padding) {
    // The values that expressions produce take the exact integer conversion, which needs no
    // classification: they are normal and finite.
    const ExtendedBits bits = BitsOf(value);
    char digits[kFullDigits];
    int exponent = 0; // 10^(E-1) <= magnitude < 10^E
    if (EighteenDigitsExactly(bits, digits, exponent)) {
        if (bits.signAndExponent & 0x8000)
            out += '-';
    } else {
        if (std::isnan(value)) {
            out += std::signbit(value) ? "-NAN" : "NAN";
            return;
        }
        if (value == 0) {
            out += '0';
            return;
        }
        if (std::signbit(value))
            out += '-';
        if (std::isinf(value)) {
            out += "INF";
            return;
        }
        EighteenDigitsByLibrary(std::fabs(value), digits, exponent);
    }
    int count = kFullDigits;
    // Round to the precision by the first dropped digit.
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

    // Written into a buffer first and appended in one step.
    const char separator = runtime::DecimalSeparator();
    char buffer[64];
    char *p = buffer;
    const auto put = [&](int from, int to) { p = std::copy(digits + from, digits + to, p); };
    const auto zeros = [&](int n) { p = std::fill_n(p, n, '0'); };
    if (exponent >= -3 && exponent <= precision) {
        if (exponent <= 0) {
            *p++ = '0';
            *p++ = separator;
            zeros(-exponent);
            put(0, count);
        } else if (count <= exponent) {
            put(0, count);
            zeros(exponent - count);
        } else {
            put(0, exponent);
            *p++ = separator;
            put(exponent, count);
        }
    } else {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = separator;
            put(1, count);
        }
        *p++ = 'E';
        const int shown = exponent - 1;
        if (shown < 0)
            *p++ = '-';
        char exponentDigits[8];
        char *e = exponentDigits + sizeof exponentDigits;
        for (int rest = shown < 0 ? -shown : shown;
             e == exponentDigits + sizeof exponentDigits || rest != 0; rest /= 10)
            *--e = static_cast<char>('0' + rest % 10);
        const int length = static_cast<int>(exponentDigits + sizeof exponentDigits - e);
        if (length < padding)
            zeros(padding - length);
        p = std::copy(e, exponentDigits + sizeof exponentDigits, p);
    }
    out.append(buffer, p);
}

} // namespace

std::string FormatResult(bool UseDigits, Extended value) {
    int precision = 0;
    int padding = 0;
    DigitsSetting(UseDigits, precision, padding);
    std::string out;
    AppendNumber(out, value, precision, padding);
    return out;
}

void text::AppendValue(std::string &text, Extended value) {
    AppendNumber(text, value, kFullDigits, 0);
}

Extended ParseReal(std::string_view text) {
    const auto invalid = [&text]() {
        return runtime::EConvertError("'" + std::string(text) +
                                      "' is not a valid floating point value");
    };
    const char separator = runtime::DecimalSeparator();
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    // The digits are accumulated one at a time in extended precision, as the text is read;
    // the power of ten that scales them is counted apart. The first 19 digits stay below
    // 10^19 < 2^64, where every step is exact, in an integer as in extended precision: the
    // integer takes those steps, and the extended value goes on from it.
    std::uint64_t exact = 0;
    int taken = 0;
    Extended digits = 0;
    const auto take = [&](int digit) {
        if (taken < 19) {
            exact = exact * 10 + static_cast<std::uint64_t>(digit);
        } else {
            if (taken == 19)
                digits = static_cast<Extended>(exact);
            digits = digits * 10 + digit;
        }
        ++taken;
    };
    // Eight digits at a time while they fit in the integer, then one at a time; the count
    // of digits read comes back.
    const auto takeRun = [&]() {
        const std::size_t start = i;
        std::uint64_t eight = 0;
        while (taken + 8 <= 19 && i + 8 <= n && EightDigits(text.data() + i, eight)) {
            exact = exact * 100000000u + eight;
            taken += 8;
            i += 8;
        }
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
            take(text[i] - '0');
        return static_cast<long>(i - start);
    };
    long scale = 0;
    bool any = takeRun() > 0;
    if (i < n && text[i] == separator) {
        any = true;
        ++i;
        scale = -takeRun();
    }
    const bool integral = taken <= 19;
    if (integral)
        digits = static_cast<Extended>(exact);
    if (!any)
        throw invalid();
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        long exponent = 0;
        // Exponent digits are taken only while the exponent is below 500.
        while (i < n && text[i] >= '0' && text[i] <= '9' && exponent < 500)
            exponent = exponent * 10 + (text[i++] - '0');
        scale += negativeExponent ? -exponent : exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        throw invalid();

    // At most 19 digits scaled by at most 10^27 stay far inside the range.
    if (integral && scale >= -27 && scale <= 27) {
        if (exact == 0)
            return negative ? -0.0L : 0.0L;
        const Extended power =
            kExactPowersOfTen[static_cast<std::size_t>(scale < 0 ? -scale : scale)];
        const Extended magnitude = scale < 0 ? digits / power : digits * power;
        return negative ? -magnitude : magnitude;
    }
    // Too many digits leave the extended range before any scaling.
    if (std::isinf(digits))
        throw invalid();
    if (digits == 0)
        return negative ? -0.0L : 0.0L;
    Extended magnitude = 0;
    if (scale >= -27 && scale <= 27) {
        // 10^k for k <= 27 is exact, so one multiplication or division rounds correctly.
        const Extended power =
            kExactPowersOfTen[static_cast<std::size_t>(scale < 0 ? -scale : scale)];
        magnitude = scale < 0 ? digits / power : digits * power;
    } else {
        // One correctly rounded product of the accumulated (integral) value and the power of
        // ten, from the exact decimal digits of that value (at most 4933). The text holds no
        // decimal point, so the C library's locale cannot change how it is read.
        char buffer[4960];
        std::snprintf(buffer, sizeof buffer, "%.0Lf", digits);
        std::string exact = buffer;
        exact += 'e';
        exact += std::to_string(scale);
        magnitude = std::strtold(exact.c_str(), nullptr);
    }
    if (std::isinf(magnitude))
        throw invalid();
    return negative ? -magnitude : magnitude;
}

} // namespace calc
