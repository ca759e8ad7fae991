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
    return Unary(x, [](Extended v) { return sqrtl(v); });
}
Extended Exp(Extended x) {
    return Unary(x, [](Extended v) { return expl(v); });
}
Extended Ln(Extended x) {
    return Unary(x, [](Extended v) { return logl(v); });
}
Extended Log2(Extended x) {
    return Unary(x, [](Extended v) { return log2l(v); });
}
Extended Log10(Extended x) {
    return Unary(x, [](Extended v) { return log10l(v); });
}
Extended Sin(Extended x) {
    return Unary(x, [](Extended v) { return sinl(v); });
}
Extended Cos(Extended x) {
    return Unary(x, [](Extended v) { return cosl(v); });
}
Extended Tan(Extended x) {
    return Unary(x, [](Extended v) { return tanl(v); });
}
Extended ArcTan(Extended x) {
    return Unary(x, [](Extended v) { return atanl(v); });
}
Extended ArcTan2(Extended y, Extended x) {
    return Binary(y, x, [](Extended a, Extended b) { return atan2l(a, b); });
}

} // namespace runtime
