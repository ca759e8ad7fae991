// Number text: values written with a given number of significant digits, and text read back
// as a value, both with the locale's decimal separator.
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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

} // namespace

std::string FormatResult(bool UseDigits, Extended value) {
    int precision = 0;
    int padding = 0;
    DigitsSetting(UseDigits, precision, padding);

    std::string out;
    if (std::signbit(value) && value == value && value != 0)
        out = "-";
    if (std::isnan(value))
        return (std::signbit(value) ? "-" : "") + std::string("NAN");
    if (std::isinf(value))
        return out + "INF";
    if (value == 0)
        return "0";

    // 18 significant digits, correctly rounded: d.ddddddddddddddddde[+-]x.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
    std::string digits;
    digits.reserve(kFullDigits + 1);
    const char *p = buffer;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits.push_back(*p);
    int exponent = std::atoi(p + 1) + 1; // 10^(E-1) <= magnitude < 10^E

    // Round to the precision by the first dropped digit.
    if (precision < kFullDigits) {
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

    // The significant digits as one integer text and the power of ten that scales them.
    std::string mantissa;
    long scale = 0;
    bool any = false;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        any = true;
        if (!mantissa.empty() || text[i] != '0')
            mantissa.push_back(text[i]);
    }
    if (i < n && text[i] == separator) {
        any = true;
        for (++i; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (!mantissa.empty() || text[i] != '0')
                mantissa.push_back(text[i]);
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

    if (mantissa.empty())
        return negative ? -0.0L : 0.0L;
    // One correctly rounded conversion of digits times a power of ten. The text holds no
    // decimal point, so the C library's locale cannot change how it is read.
    mantissa += 'e';
    mantissa += std::to_string(scale);
    errno = 0;
    const Extended magnitude = std::strtold(mantissa.c_str(), nullptr);
    if (std::isinf(magnitude))
        throw invalid();
    return negative ? -magnitude : magnitude;
}

} // namespace calc
