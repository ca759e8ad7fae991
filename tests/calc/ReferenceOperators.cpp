// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The previous operator level (each reduction rewrites the whole text), kept as the reference
// for the current one; the arithmetic and the power did not change and are the production ones.
#include "Reference.h"
#include "calc/NumCalc.h"
#include "calc/WorkingText.h"

#include "runtime/Checked.h"
#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#include <cmath>
#include <cstdint>

namespace calc::reference {

using namespace text;

namespace {

// The left operand of "!" or "^" at position k: a value group closed just before k (its
// braces are deleted and k moves two places left), or the factor characters before k.
std::string LeftFactor(std::string &s, std::size_t &k, std::size_t &start) {
    if (At(s, k - 1) == '}') {
        const std::size_t close = k - 1;
        const std::size_t open = close >= 2 ? s.rfind('{', close - 2) : std::string::npos;
        if (open == std::string::npos)
            throw runtime::EConvertError("'" + s + "' holds a value group without its start");
        Delete(s, close);
        Delete(s, open + 1);
        k -= 2;
        start = open + 1;
        return Span(s, start, k - 1);
    }
    if (k == 1) {
        start = 1;
        return {};
    }
    std::size_t j = k - 2;
    while (j >= 1 && IsFactorChar(At(s, j)))
        --j;
    start = j + 1;
    return Span(s, start, k - 1);
}

// The left operand of "*", "/", "+" and "~": the character before k and the operand
// characters before it.
std::string LeftOperand(const std::string &s, std::size_t k, std::size_t &start) {
    if (k == 1) {
        start = 1;
        return {};
    }
    std::size_t j = k - 2;
    while (j >= 1 && IsOperandChar(At(s, j)))
        --j;
    start = j + 1;
    return Span(s, start, k - 1);
}

// The right operand of a binary operator at k: the character after k and the operand
// characters after it. A value group there (the operand of a later "^", as in 2^(3)^2) is
// taken whole without its braces, which the power to its left consumes first.
std::string RightOperand(const std::string &s, std::size_t k, std::size_t &last) {
    const std::size_t n = s.size();
    if (k >= n) {
        last = n;
        return {};
    }
    if (At(s, k + 1) == '{') {
        const std::size_t close = Find(s, '}', k + 2);
        if (close != 0) {
            last = close;
            return Span(s, k + 2, close - 1);
        }
    }
    std::size_t j = k + 2;
    while (j <= n && IsOperandChar(At(s, j)))
        ++j;
    last = j - 1;
    return Span(s, k + 1, last);
}

// Replaces every evaluated call, name "[" list "]", by its value.
void ReduceCalls(std::string &s) {
    std::size_t from = 1;
    while (const std::size_t k = Find(s, '[', from)) {
        std::size_t start = k;
        if (k >= 2) {
            std::size_t j = k - 2;
            while (j >= 1 && IsNameChar(At(s, j)))
                --j;
            start = j + 1;
        }
        const std::string name = Span(s, start, k - 1);
        std::size_t end = Find(s, ']', k + 1);
        // Without a "]" the last character stands in for it.
        if (end == 0)
            end = s.size();
        const std::string list = Span(s, k + 1, end - 1);
        const Extended value = CallFunction(name, SplitArguments(list));
        ReplaceSpan(s, start, end, FormatResult(false, value));
        from = start; // no "[" comes before the call just replaced
    }
}

// A result that a further "!" or "^" takes as its operand is written as a value group, so
// that operator takes the whole value (sign and exponent included), as for a bracket:
// (-2)^3^2 is ((-2)^3)^2 = 64, and 10^20^2 is 1E40.
std::string Operand(const std::string &s, std::size_t next, Extended value) {
    const std::string written = FormatResult(false, value);
    const char c = At(s, next);
    return (c == '!' || c == '^') ? "{" + written + "}" : written;
}

void ReduceFactorials(std::string &s) {
    std::size_t from = 1;
    while (std::size_t k = Find(s, '!', from)) {
        std::size_t start = 0;
        const std::string operand = LeftFactor(s, k, start);
        const Extended value = Factorial(ParseReal(operand), "fact");
        ReplaceSpan(s, start, k, Operand(s, k + 1, value));
        from = start;
    }
}

void ReducePowers(std::string &s) {
    std::size_t from = 1;
    while (std::size_t k = Find(s, '^', from)) {
        std::size_t start = 0;
        std::size_t last = 0;
        const std::string left = LeftFactor(s, k, start);
        const std::string right = RightOperand(s, k, last);
        const Extended value = calc::Power(ParseReal(left), ParseReal(right));
        ReplaceSpan(s, start, last, Operand(s, last + 1, value));
        from = start;
    }
}

// One stage of equal binary operators, the leftmost first.
void ReduceBinary(std::string &s, const char *operators) {
    std::size_t from = 1;
    for (;;) {
        const std::size_t found = s.find_first_of(operators, from - 1);
        if (found == std::string::npos)
            return;
        const std::size_t k = found + 1;
        std::size_t start = 0;
        std::size_t last = 0;
        const std::string left = LeftOperand(s, k, start);
        const std::string right = RightOperand(s, k, last);
        TArithOperation operation = TArithOperation::aoAdd;
        switch (At(s, k)) {
        case '*':
            operation = TArithOperation::aoMultiply;
            break;
        case '/':
            operation = TArithOperation::aoDivide;
            break;
        case '~':
            operation = TArithOperation::aoSubtract;
            break;
        default:
            break;
        }
        const Extended value = calc::AritOp(operation, ParseReal(left), ParseReal(right));
        ReplaceSpan(s, start, last, FormatResult(false, value));
        from = start;
    }
}

} // namespace

void FoldSigns(std::string &text) {
    if (text.find("--") != std::string::npos) {
        // Replacing the first "--" again and again pairs the minus signs from the left.
        std::string folded;
        folded.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-') {
                folded += '+';
                ++i;
            } else {
                folded += text[i];
            }
        }
        text.swap(folded);
    }
    if (text.find("++") != std::string::npos) {
        // Replacing the first "++" again and again leaves one "+" of every run.
        std::string folded;
        folded.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] != '+' || folded.empty() || folded.back() != '+')
                folded += text[i];
        text.swap(folded);
    }
    if (!text.empty() && text[0] == '+')
        text.erase(0, 1);
}

Extended Factorial(Extended x, const std::string &detail) {
    if (x != runtime::IntPart(x) || x < 0) {
        RaiseCalcError(errNaturalExpected, detail);
        return 1;
    }
    // The product leaves the extended range from 1755 on, so the loop ends by then.
    Extended product = 1;
    for (Extended factor = 1; factor <= x; factor += 1)
        product = runtime::Multiply(product, factor);
    return product;
}

TExtendedArray SplitArguments(const std::string &list) {
    TExtendedArray values;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = list.find(';', begin);
        const std::string part =
            list.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
        Extended value = 0;
        try {
            value = ParseReal(part);
        } catch (const runtime::EConvertError &) {
            RaiseCalcError(errNotReal, "");
        }
        values.push_back(value);
        if (end == std::string::npos)
            return values;
        begin = end + 1;
    }
}

Extended EvaluateOperators(const std::string &text) {
    std::string s = text;
    ReduceCalls(s);
    FoldSigns(s);
    ReduceFactorials(s);
    ReducePowers(s);
    FoldSigns(s);
    ReduceBinary(s, "*/");
    FoldSigns(s);
    ReduceBinary(s, "+~");
    FoldSigns(s);
    return ParseReal(s);
}

} // namespace calc::reference
