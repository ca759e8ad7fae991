// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floating-point arithmetic that raises EZeroDivide, EInvalidOp or EOverflow when the
// processor flags the fault; underflow and inexact results stay silent.
#pragma once

#include "runtime/Extended.h"

namespace runtime {

// Clears the fault flags on construction; raiseIfFaulted() turns a flagged fault into its
// exception (division by zero first, then invalid operation, then overflow).
class FpuFlags {
  public:
    FpuFlags();
    void raiseIfFaulted() const;
};

// Keeps the compiler from moving a computation across the flag tests.
inline void FpuBarrier(Extended &value) {
    asm volatile("" : "+m"(value));
}

// Runs f() between a clear and a test of the fault flags.
template <class F> Extended Checked(F &&f) {
    FpuFlags flags;
    Extended result = f();
    FpuBarrier(result);
    flags.raiseIfFaulted();
    return result;
}

Extended Add(Extended a, Extended b);
Extended Subtract(Extended a, Extended b);
Extended Multiply(Extended a, Extended b);
Extended Divide(Extended a, Extended b);

Extended Sqrt(Extended x);
Extended Exp(Extended x);
Extended Ln(Extended x);
Extended Log2(Extended x);
Extended Log10(Extended x);
Extended Sin(Extended x);
Extended Cos(Extended x);
Extended Tan(Extended x);
Extended ArcTan(Extended x);
Extended ArcTan2(Extended y, Extended x);

} // namespace runtime
