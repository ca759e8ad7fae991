// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Floating-point arithmetic that raises EZeroDivide, EInvalidOp or EOverflow when the
// processor flags the fault; underflow and inexact results stay silent.
#pragma once

#include "runtime/Extended.h"

namespace runtime {

// Where the faults of a checked computation can be flagged.
enum class FaultSources : bool {
    // Extended arithmetic alone (+, -, *, / and comparisons): the x87 unit's status word.
    Arithmetic,
    // The C library's long double routines as well, which signal some domain errors (a
    // negative square root, the logarithm of 0) through the SSE unit's flags.
    ArithmeticAndLibrary,
};

// Clears the fault flags on construction; raiseIfFaulted() turns a flagged fault into its
// exception (division by zero first, then invalid operation, then overflow). Only the three
// fault bits are read, and written only when one is set, so a check costs a few cycles where
// feclearexcept/fetestexcept save and reload the whole x87 environment and the SSE state.
class FpuFlags {
  public:
    explicit FpuFlags(FaultSources sources = FaultSources::ArithmeticAndLibrary)
        : library_(sources == FaultSources::ArithmeticAndLibrary) {
        if (Faults() != 0)
            ClearFaults();
    }
    void raiseIfFaulted() const {
        if (const unsigned faults = Faults())
            Raise(faults);
    }
    bool faulted() const { return Faults() != 0; }

  private:
    // The exception bits sit at the same places in the x87 status word and in MXCSR.
    static constexpr unsigned kInvalid = 0x01;
    static constexpr unsigned kZeroDivide = 0x04;
    static constexpr unsigned kOverflow = 0x08;
    static constexpr unsigned kFaults = kInvalid | kZeroDivide | kOverflow;
    static constexpr unsigned kAllExceptions = 0x3F;

    static unsigned X87Status() {
        unsigned short status = 0;
        asm volatile("fnstsw %0" : "=am"(status) : : "memory");
        return status;
    }
    static unsigned SseStatus() {
        unsigned status = 0;
        asm volatile("stmxcsr %0" : "=m"(status) : : "memory");
        return status;
    }
    unsigned Faults() const { return (X87Status() | (library_ ? SseStatus() : 0u)) & kFaults; }
    // Clears both units' flags, whichever sources the check reads.
    static void ClearFaults() {
        asm volatile("fnclex" : : : "memory");
        if (const unsigned sse = SseStatus(); sse & kFaults) {
            const unsigned cleared = sse & ~kAllExceptions;
            asm volatile("ldmxcsr %0" : : "m"(cleared) : "memory");
        }
    }
    [[noreturn]] static void Raise(unsigned faults);

    bool library_;
};

// Keeps the compiler from moving a computation across the flag tests: the value counts as
// read and changed here, on the top of the x87 stack, so it costs no trip through memory.
inline void FpuBarrier(Extended &value) {
    asm volatile("" : "+t"(value));
}

// Runs f() between a clear and a test of the fault flags.
template <class F>
Extended Checked(F &&f, FaultSources sources = FaultSources::ArithmeticAndLibrary) {
    FpuFlags flags(sources);
    Extended result = f();
    FpuBarrier(result);
    flags.raiseIfFaulted();
    return result;
}

// A loop of arithmetic under one clear and one test of the flags, for loops whose steps the
// checks would otherwise dominate. Only when a fault is flagged does stepwise() run, the same
// loop with every step checked, so the fault raised is the one its first faulting step
// raises. fast() must end even when a step overflows, and compute with extended arithmetic
// alone.
template <class Fast, class Stepwise> Extended CheckedLoop(Fast &&fast, Stepwise &&stepwise) {
    {
        FpuFlags flags(FaultSources::Arithmetic);
        Extended result = fast();
        FpuBarrier(result);
        if (!flags.faulted())
            return result;
    }
    return stepwise();
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
