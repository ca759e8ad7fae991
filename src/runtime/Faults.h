// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exceptions the runtime raises: processor faults, integer faults, failed conversions,
// invalid arguments and the silent abort.
#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// Base of every exception the program raises itself.
class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Floating-point faults, as a processor with these exceptions unmasked reports them.
class EMathError : public Exception {
  public:
    using Exception::Exception;
};
class EZeroDivide : public EMathError {
  public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};
class EInvalidOp : public EMathError {
  public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EOverflow : public EMathError {
  public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Integer faults.
class EIntError : public Exception {
  public:
    using Exception::Exception;
};
class EDivByZero : public EIntError {
  public:
    EDivByZero() : EIntError("Division by zero") {}
};
class EIntOverflow : public EIntError {
  public:
    EIntOverflow() : EIntError("Integer overflow") {}
};

// A text that is no number of the expected kind.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// An argument that a numeric routine cannot take.
class EInvalidArgument : public Exception {
  public:
    using Exception::Exception;
};

// The silent abort: passes every handler and is dropped by the event loop without a message.
class EAbort : public Exception {
  public:
    EAbort() : Exception("Operation aborted") {}
};

} // namespace runtime
