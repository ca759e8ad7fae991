// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checked floating-point operations over the C library's long double routines.
#include "runtime/Checked.h"

#include "runtime/Faults.h"

#include <cmath>

namespace runtime {

[[noreturn]] void FpuFlags::Raise(unsigned faults) {
    ClearFaults();
    if (faults & kZeroDivide)
        throw EZeroDivide();
    if (faults & kInvalid)
        throw EInvalidOp();
    throw EOverflow();
}

namespace {

// The operands pass a barrier after the flags are cleared, so the operation cannot be
// computed ahead of the clear.
template <class Op> Extended Unary(Extended x, Op op) {
    return Checked([&] {
        FpuBarrier(x);
        return op(x);
    });
}

template <class Op>
Extended Binary(Extended a, Extended b, Op op,
                FaultSources sources = FaultSources::ArithmeticAndLibrary) {
    return Checked(
        [&] {
            FpuBarrier(a);
            FpuBarrier(b);
            return op(a, b);
        },
        sources);
}

// C libraries differ in how they signal a routine's faults (MinGW's leaves the flags clear or
// raises another where glibc raises the right one), so the faults are also decided here from
// the operands and the result: the same expression fails the same way on every build.
template <class Op> Extended Library(Extended x, Op op) {
    const Extended result = Unary(x, op);
    if (std::isnan(result) && !std::isnan(x))
        throw EInvalidOp();
    if (std::isinf(result) && std::isfinite(x))
        throw EOverflow();
    return result;
}

// Logarithms: a pole at 0, no value below it.
template <class Op> Extended Logarithm(Extended x, Op op) {
    if (x == 0)
        throw EZeroDivide();
    if (x < 0)
        throw EInvalidOp();
    return Library(x, op);
}

} // namespace

Extended Add(Extended a, Extended b) {
    return Binary(
        a, b, [](Extended x, Extended y) { return x + y; }, FaultSources::Arithmetic);
}
Extended Subtract(Extended a, Extended b) {
    return Binary(
        a, b, [](Extended x, Extended y) { return x - y; }, FaultSources::Arithmetic);
}
Extended Multiply(Extended a, Extended b) {
    return Binary(
        a, b, [](Extended x, Extended y) { return x * y; }, FaultSources::Arithmetic);
}
Extended Divide(Extended a, Extended b) {
    return Binary(
        a, b, [](Extended x, Extended y) { return x / y; }, FaultSources::Arithmetic);
}

Extended Sqrt(Extended x) {
    if (x < 0)
        throw EInvalidOp();
    return Library(x, [](Extended v) { return sqrtl(v); });
}
Extended Exp(Extended x) {
    return Library(x, [](Extended v) { return expl(v); });
}
Extended Ln(Extended x) {
    return Logarithm(x, [](Extended v) { return logl(v); });
}
Extended Log2(Extended x) {
    return Logarithm(x, [](Extended v) { return log2l(v); });
}
Extended Log10(Extended x) {
    return Logarithm(x, [](Extended v) { return log10l(v); });
}
Extended Sin(Extended x) {
    return Library(x, [](Extended v) { return sinl(v); });
}
Extended Cos(Extended x) {
    return Library(x, [](Extended v) { return cosl(v); });
}
Extended Tan(Extended x) {
    return Library(x, [](Extended v) { return tanl(v); });
}
Extended ArcTan(Extended x) {
    return Library(x, [](Extended v) { return atanl(v); });
}
Extended ArcTan2(Extended y, Extended x) {
    return Binary(y, x, [](Extended a, Extended b) { return atan2l(a, b); });
}

} // namespace runtime
