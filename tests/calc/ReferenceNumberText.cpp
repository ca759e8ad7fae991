// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The previous number text (the trial-scaling FormatResult and ParseReal), kept as the
// reference that the current one must match byte for byte; the _digits setting is shared.
#include "Reference.h"
#include "calc/NumCalc.h"
#include "calc/detail/NumberText.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/Faults.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace calc::reference {

namespace {

constexpr int kFullDigits = 18;

// The significant digits of a positive finite magnitude, correctly rounded to 18, and its
// decimal exponent E. A value that is an integer of at most 18 digits divided by an exact
// power of ten is its own 18-digit rounding, and comes without the C library's conversion.
void ShortestDigits(Extended magnitude, std::string &digits, int &exponent) {
    if (magnitude < 1e18L && magnitude >= 1e-9L) {
        Extended power = 1;
        for (int k = 0; k <= 27; ++k, power *= 10) {
            const Extended scaled = magnitude * power;
            if (scaled >= 1e18L)
                break;
            if (scaled != std::trunc(scaled))
                continue;
            const auto integer = static_cast<std::uint64_t>(scaled);
            if (static_cast<Extended>(integer) / power != magnitude)
                continue;
            digits = std::to_string(integer);
            exponent = static_cast<int>(digits.size()) - k;
            return;
        }
    }
    // d.ddddddddddddddddde[+-]x, exact decimal rounding by the C library.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    digits.clear();
    const char *p = buffer;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    exponent = std::atoi(p + 1) + 1;
}

} // namespace

std::string FormatResult(bool UseDigits, Extended value) {
    int precision = 0;
    int padding = 0;
    detail::DigitsSetting(UseDigits, precision, padding);

    if (std::isnan(value))
        return std::signbit(value) ? "-NAN" : "NAN";
    if (value == 0)
        return "0";
    std::string out = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return out + "INF";

    std::string digits;
    int exponent = 0; // 10^(E-1) <= magnitude < 10^E
    ShortestDigits(std::fabs(value), digits, exponent);
    // Round to the precision by the first dropped digit.
    if (static_cast<std::size_t>(precision) < digits.size()) {
        const bool up = digits[static_cast<std::size_t>(precision)] >= '5';
        digits.resize(static_cast<std::size_t>(precision));
        if (up) {
            int i = precision - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
                digits[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++exponent;
            }
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const char separator = runtime::DecimalSeparator();
    const int count = static_cast<int>(digits.size());
    if (exponent >= -3 && exponent <= precision) {
        if (exponent <= 0) {
            out += '0';
            out += separator;
            out.append(static_cast<std::size_t>(-exponent), '0');
            out += digits;
        } else if (count <= exponent) {
            out += digits;
            out.append(static_cast<std::size_t>(exponent - count), '0');
        } else {
            out.append(digits, 0, static_cast<std::size_t>(exponent));
            out += separator;
            out.append(digits, static_cast<std::size_t>(exponent), std::string::npos);
        }
        return out;
    }
    out += digits[0];
    if (count > 1) {
        out += separator;
        out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    const int shown = exponent - 1;
    if (shown < 0)
        out += '-';
    std::string exponentDigits = std::to_string(shown < 0 ? -shown : shown);
    if (static_cast<int>(exponentDigits.size()) < padding)
        exponentDigits.insert(0, static_cast<std::size_t>(padding) - exponentDigits.size(), '0');
    return out + exponentDigits;
}

Extended ParseReal(const std::string &text) {
    const auto invalid = [&text]() {
        return runtime::EConvertError("'" + text + "' is not a valid floating point value");
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
    // the power of ten that scales them is counted apart.
    Extended digits = 0;
    long scale = 0;
    bool any = false;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        any = true;
        digits = digits * 10 + (text[i] - '0');
    }
    if (i < n && text[i] == separator) {
        any = true;
        for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
            digits = digits * 10 + (text[i] - '0');
            --scale;
        }
    }
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

    // Too many digits leave the extended range before any scaling.
    if (std::isinf(digits))
        throw invalid();
    if (digits == 0)
        return negative ? -0.0L : 0.0L;
    Extended magnitude = 0;
    if (scale >= -27 && scale <= 27) {
        // 10^k for k <= 27 is exact, so one multiplication or division rounds correctly.
        Extended power = 1;
        for (long k = scale < 0 ? -scale : scale; k > 0; --k)
            power *= 10;
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

} // namespace calc::reference
