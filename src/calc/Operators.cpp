// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The operator level: function calls with evaluated arguments, factorials, powers, products
// and sums, each reduced by rewriting the text, and the small routines they share.
#include "calc/NumCalc.h"
#include "calc/WorkingText.h"
#include "calc/detail/Failures.h"
#include "calc/detail/OperatorLevel.h"

#include "runtime/Checked.h"
#include "runtime/Faults.h"
#include "runtime/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace calc {

using namespace text;

namespace {

// One stage of the operator level (the operators op and otherOp, of equal precedence) in one
// left-to-right pass. written holds the text before the scan point, already rewritten; text from
// the scan point on is as it was. At each operator of the stage, at position k of text,
// reduce(written, text, k) takes its left operand from the end of written, its right operand from
// text after k, appends the value to written, and returns the position in text after the right
// operand.
template <class Reduce> void ReduceStage(std::string &text, char op, char otherOp, Reduce reduce) {
    NextOfEither operators(text, op, otherOp);
    std::size_t k = operators.From(1);
    if (k == 0)
        return;
    std::string written;
    written.reserve(text.size());
    std::size_t next = 1;
    for (; k != 0; k = operators.From(next)) {
        AppendSpan(written, text, next, k - 1);
        next = reduce(written, text, k);
    }
    AppendSpan(written, text, next, text.size());
    text.swap(written);
}

// The left operand of "!" or "^", at the end of written: a value group closed there (its
// braces are deleted), or the last character and the factor characters before it. start is
// where it begins.
std::string_view LeftFactor(std::string &written, std::size_t &start) {
    const std::size_t last = written.size();
    if (At(written, last) == '}') {
        const std::size_t open = FindLast(written, '{', last - 1);
        if (open == 0)
            throw runtime::EConvertError("'" + written + "' holds a value group without its start");
        Delete(written, last);
        Delete(written, open);
        start = open;
        return View(written, start, written.size());
    }
    if (last == 0) {
        start = 1;
        return {};
    }
    start = RunStart(written, last - 1, IsFactorChar);
    return View(written, start, last);
}

// The left operand of "*", "/", "+" and "~", at the end of written: the last character and the
// operand characters before it.
std::string_view LeftOperand(const std::string &written, std::size_t &start) {
    const std::size_t last = written.size();
    if (last == 0) {
        start = 1;
        return {};
    }
    start = RunStart(written, last - 1, IsOperandChar);
    return View(written, start, last);
}

// The right operand of a binary operator at k: the character after k and the operand
// characters after it. A value group there (the operand of a later "^", as in 2^(3)^2) is
// taken whole without its braces, which the power to its left consumes first.
std::string_view RightOperand(const std::string &s, std::size_t k, std::size_t &last) {
    const std::size_t n = s.size();
    if (k >= n) {
        last = n;
        return {};
    }
    if (At(s, k + 1) == '{') {
        const std::size_t close = Find(s, '}', k + 2);
        if (close != 0) {
            last = close;
            return View(s, k + 2, close - 1);
        }
    }
    last = RunEnd(s, k + 2, IsOperandChar);
    return View(s, k + 1, last);
}

// Replaces every evaluated call, name "[" list "]", by its value. Without a "]" the last
// character of the text stands in for it.
std::size_t ReduceCall(std::string &written, const std::string &text, std::size_t k) {
    // The name: the last character before the "[" and the name characters before it.
    const std::size_t start =
        written.empty() ? 1 : RunStart(written, written.size() - 1, IsNameChar);
    const std::string name = Span(written, start, written.size());
    std::size_t end = Find(text, ']', k + 1);
    if (end == 0)
        end = text.size();
    const Extended value = CallFunction(name, SplitArguments(Span(text, k + 1, end - 1)));
    CutFrom(written, start);
    AppendValue(written, value);
    return end + 1;
}

// A result that a further "!" or "^" takes as its operand is written as a value group, so
// that operator takes the whole value (sign and exponent included), as for a bracket:
// (-2)^3^2 is ((-2)^3)^2 = 64, and 10^20^2 is 1E40.
void AppendOperand(std::string &written, char next, Extended value) {
    const bool group = next == '!' || next == '^';
    if (group)
        written += '{';
    AppendValue(written, value);
    if (group)
        written += '}';
}

std::size_t ReduceFactorial(std::string &written, const std::string &text, std::size_t k) {
    std::size_t start = 0;
    const std::string_view operand = LeftFactor(written, start);
    const Extended value = Factorial(ParseReal(operand), "fact");
    CutFrom(written, start);
    AppendOperand(written, At(text, k + 1), value);
    return k + 1;
}

std::size_t ReducePower(std::string &written, const std::string &text, std::size_t k) {
    std::size_t start = 0;
    std::size_t last = 0;
    const std::string_view left = LeftFactor(written, start);
    const std::string_view right = RightOperand(text, k, last);
    const Extended value = Power(ParseReal(left), ParseReal(right));
    CutFrom(written, start);
    AppendOperand(written, At(text, last + 1), value);
    return last + 1;
}

std::size_t ReduceBinary(std::string &written, const std::string &text, std::size_t k) {
    std::size_t start = 0;
    std::size_t last = 0;
    const std::string_view left = LeftOperand(written, start);
    const std::string_view right = RightOperand(text, k, last);
    TArithOperation operation = TArithOperation::aoAdd;
    switch (At(text, k)) {
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
    const Extended value = AritOp(operation, ParseReal(left), ParseReal(right));
    CutFrom(written, start);
    AppendValue(written, value);
    return last + 1;
}

// A character that one of the stages reduces.
bool IsStageChar(char c) {
    return c == '[' || c == '!' || c == '^' || c == '*' || c == '/' || c == '+' || c == '~';
}

} // namespace

void FoldSigns(std::string &text) {
    if (Find(text, "--", 1) != 0) {
        // Replacing the first "--" again and again pairs the minus signs from the left.
        std::string folded;
        folded.reserve(text.size());
        for (std::size_t i = 1; i <= text.size(); ++i) {
            if (At(text, i) == '-' && At(text, i + 1) == '-') {
                folded += '+';
                ++i;
            } else {
                folded += At(text, i);
            }
        }
        text.swap(folded);
    }
    if (Find(text, "++", 1) != 0) {
        // Replacing the first "++" again and again leaves one "+" of every run.
        std::string folded;
        folded.reserve(text.size());
        for (std::size_t i = 1; i <= text.size(); ++i)
            if (At(text, i) != '+' || At(folded, folded.size()) != '+')
                folded += At(text, i);
        text.swap(folded);
    }
    if (At(text, 1) == '+')
        Delete(text, 1);
}

Extended AritOp(TArithOperation operation, Extended left, Extended right) {
    switch (operation) {
    case TArithOperation::aoMultiply:
        return runtime::Multiply(left, right);
    case TArithOperation::aoDivide:
        return runtime::Divide(left, right);
    case TArithOperation::aoAdd:
        return runtime::Add(left, right);
    case TArithOperation::aoSubtract:
        return runtime::Subtract(left, right);
    }
    RaiseCalcError(errCannotCompute, "AritOp");
    return left;
}

Extended Power(Extended base, Extended exponent) {
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    if (exponent == runtime::IntPart(exponent) && std::fabs(exponent) <= 2147483647.0L) {
        auto magnitude = static_cast<std::uint32_t>(std::fabs(exponent));
        Extended product = 1;
        Extended square = base;
        for (;;) {
            if (magnitude & 1u)
                product = runtime::Multiply(product, square);
            magnitude >>= 1;
            // No square beyond the highest bit: it could overflow for nothing.
            if (magnitude == 0)
                break;
            square = runtime::Multiply(square, square);
        }
        return exponent < 0 ? runtime::Divide(1, product) : product;
    }
    return runtime::Exp(runtime::Multiply(exponent, runtime::Ln(base)));
}

Extended Factorial(Extended x, const std::string &detail) {
    if (x != runtime::IntPart(x) || x < 0) {
        RaiseCalcError(errNaturalExpected, detail);
        return 1;
    }
    // The product leaves the extended range from 1755 on, so the loop ends by then.
    return runtime::CheckedLoop(
        [x]() mutable {
            runtime::FpuBarrier(x);
            Extended product = 1;
            for (Extended factor = 1; factor <= x && !std::isinf(product); factor += 1)
                product *= factor;
            return product;
        },
        [x] {
            Extended product = 1;
            for (Extended factor = 1; factor <= x; factor += 1)
                product = runtime::Multiply(product, factor);
            return product;
        });
}

TExtendedArray SplitArguments(const std::string &list) {
    TExtendedArray values;
    std::size_t begin = 1;
    for (;;) {
        const std::size_t end = Find(list, ';', begin); // 0: the last part
        Extended value = 0;
        try {
            value = ParseReal(View(list, begin, end == 0 ? list.size() : end - 1));
        } catch (...) {
            detail::ReportFailure(detail::FailureSite::ArgumentText);
        }
        values.push_back(value);
        if (end == 0)
            return values;
        begin = end + 1;
    }
}

Extended EvaluateOperators(const std::string &text) {
    // A plain number, the usual argument of a call, has nothing for any stage to do.
    if (std::none_of(text.begin(), text.end(), IsStageChar) && Find(text, "--", 1) == 0)
        return ParseReal(text);
    std::string s = text;
    ReduceStage(s, '[', '[', ReduceCall);
    FoldSigns(s);
    ReduceStage(s, '!', '!', ReduceFactorial);
    ReduceStage(s, '^', '^', ReducePower);
    FoldSigns(s);
    ReduceStage(s, '*', '/', ReduceBinary);
    FoldSigns(s);
    ReduceStage(s, '+', '~', ReduceBinary);
    FoldSigns(s);
    return ParseReal(s);
}

} // namespace calc
