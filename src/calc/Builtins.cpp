// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of built-in functions: names, argument counts, checks and values.
#include "calc/Builtins.h"

#include "calc/CalcVars.h"
#include "calc/NumLib.h"
#include "runtime/Checked.h"
#include "runtime/Faults.h"
#include "runtime/Random.h"
#include "runtime/Rounding.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>

namespace calc {

namespace {

using namespace runtime;

// The nearest extended values, written out so that nothing depends on run-time rounding.
constexpr Extended kPi = 3.14159265358979323846264338327950288L;
constexpr Extended kHalfPi = 1.57079632679489661923132169163975144L;
constexpr Extended kTwoPi = 6.28318530717958647692528676655900577L;
constexpr Extended kDegToRad = 0.0174532925199432957692369076848861271344L;
constexpr Extended kRadToDeg = 57.2957795130823208767981548141051703324L;
// The vertical angles of a point on the y axis are the nearest doubles.
constexpr double kHalfPiDouble = 1.57079632679489661923132169163975144;
constexpr double kThreeHalvesPiDouble = 4.71238898038468985769396507491925432;

constexpr Extended kTwo31 = 2147483648.0L;
constexpr Extended kTwo63 = 9223372036854775808.0L;
constexpr Extended kTiny = 1e-16L;
constexpr Extended kPrimeBound = 200000000000000000.0L;
constexpr Extended kRandomMax = 2147483646.0L;

struct Call {
    const std::string &name;
    const TExtendedArray &args;
    Extended a() const { return args[0]; }
    Extended b() const { return args[1]; }
    // Reports a failed check; the call then yields 0.
    Extended Fail(TCalcError code) const {
        RaiseCalcError(code, name);
        return 0;
    }
};

bool IsInteger(Extended x) {
    return x == IntPart(x);
}
bool IsNatural(Extended x) {
    return IsInteger(x) && x >= 0;
}

// Whether a lies so close to one (1 or -1) that the logarithm is taken as infinite.
bool NearOne(Extended a, Extended one) {
    const Extended tolerance = std::max(kTiny, std::min(std::fabs(a), Extended(1)) * kTiny);
    return std::fabs(a - one) <= tolerance;
}

Extended Infinity(Extended sign) {
    return std::copysign(std::numeric_limits<Extended>::infinity(), sign);
}

Extended Half(Extended x) {
    return Divide(x, 2);
}

Extended SinH(Extended a) {
    if (std::fabs(a) <= kTiny)
        return 0;
    return Half(Subtract(Exp(a), Exp(-a)));
}
Extended CosH(Extended a) {
    if (std::fabs(a) <= kTiny)
        return 1;
    return Half(Add(Exp(a), Exp(-a)));
}
Extended TanH(Extended a) {
    if (std::fabs(a) <= kTiny)
        return 0;
    return Divide(SinH(a), CosH(a));
}

Extended Square(Extended x) {
    return Multiply(x, x);
}

// Rounding to double can overflow (a fault) or underflow to zero (silent).
int SignAsDouble(Extended a) {
    FpuFlags flags;
    FpuBarrier(a);
    volatile double d = static_cast<double>(a);
    flags.raiseIfFaulted();
    return d > 0 ? 1 : (d < 0 ? -1 : 0);
}

Extended Remainder(Extended a, Extended b) {
    const std::int64_t x = RoundToInt64(a);
    const std::int64_t y = RoundToInt64(b);
    if (y == 0)
        throw EDivByZero();
    // The most negative value divided by -1 overflows; its remainder is 0 all the same.
    if (y == -1)
        return 0;
    return static_cast<Extended>(x % y);
}

bool PrimeArgument(Extended a) {
    return IsNatural(a) && a < kPrimeBound;
}

Extended Theta(Extended x, Extended y) {
    if (x == 0 && y == 0)
        return 0;
    if (x == 0)
        return y > 0 ? kHalfPiDouble : kThreeHalvesPiDouble;
    if (x > 0 && y >= 0)
        return ArcTan(Divide(y, x));
    if (x < 0 && y >= 0)
        return Subtract(kPi, ArcTan(Divide(y, -x)));
    if (x < 0)
        return Add(kPi, ArcTan(Divide(y, x)));
    return Subtract(kTwoPi, ArcTan(Divide(-y, x)));
}

Extended ReadBack(const char *name) {
    Extended value = 0;
    GetVariable(name, value);
    return value;
}

using Compute = Extended (*)(const Call &);

struct Builtin {
    std::string_view name;
    int count; // -1: any number of arguments
    Compute compute;
};

constexpr int kList = -1;

// In the order of comparison; the count follows from the rows.
constexpr Builtin kCatalogue[] = {
    {"sin", 1, [](const Call &c) { return std::fabs(c.a()) >= kTwo63 ? 0 : Sin(c.a()); }},
    {"cos", 1, [](const Call &c) { return std::fabs(c.a()) >= kTwo63 ? 0 : Cos(c.a()); }},
    {"tan", 1, [](const Call &c) { return Tan(c.a()); }},
    {"cot", 1, [](const Call &c) { return Divide(1, Tan(c.a())); }},
    {"arcsin", 1, [](const Call &c) { return ArcTan2(c.a(), Sqrt(Subtract(1, Square(c.a())))); }},
    {"arccos", 1, [](const Call &c) { return ArcTan2(Sqrt(Subtract(1, Square(c.a()))), c.a()); }},
    {"arctan", 1, [](const Call &c) { return ArcTan(c.a()); }},
    {"arccot", 1,
     [](const Call &c) { return std::fabs(c.a()) <= kTiny ? kHalfPi : ArcTan(Divide(1, c.a())); }},
    {"sinh", 1, [](const Call &c) { return SinH(c.a()); }},
    {"cosh", 1, [](const Call &c) { return CosH(c.a()); }},
    {"tanh", 1, [](const Call &c) { return TanH(c.a()); }},
    {"coth", 1, [](const Call &c) { return Divide(1, TanH(c.a())); }},
    {"arcsinh", 1, [](const Call &c) { return Ln(Add(c.a(), Sqrt(Add(Square(c.a()), 1)))); }},
    {"arccosh", 1,
     [](const Call &c) {
         const Extended a = c.a();
         if (a < 1)
             return c.Fail(errCannotCompute);
         return Ln(Add(a, Multiply(Add(a, 1), Sqrt(Divide(Subtract(a, 1), Add(a, 1))))));
     }},
    {"arctanh", 1,
     [](const Call &c) {
         const Extended a = c.a();
         if (NearOne(a, 1) || NearOne(a, -1))
             return Infinity(a);
         return Half(Ln(Divide(Add(1, a), Subtract(1, a))));
     }},
    {"arccoth", 1,
     [](const Call &c) {
         const Extended a = c.a();
         if (NearOne(a, 1) || NearOne(a, -1))
             return Infinity(a);
         return Half(Ln(Divide(Add(a, 1), Subtract(a, 1))));
     }},
    {"log10", 1, [](const Call &c) { return Log10(c.a()); }},
    {"log2", 1, [](const Call &c) { return Log2(c.a()); }},
    {"ln", 1, [](const Call &c) { return Ln(c.a()); }},
    {"log", 2, [](const Call &c) { return Divide(Log2(c.b()), Log2(c.a())); }},
    {"exp", 1, [](const Call &c) { return Exp(c.a()); }},
    {"sgn", 1, [](const Call &c) { return static_cast<Extended>(SignAsDouble(c.a())); }},
    {"abs", 1, [](const Call &c) { return std::fabs(c.a()); }},
    {"fact", 1, [](const Call &c) { return Factorial(c.a(), c.name); }},
    {"sqrt", 1, [](const Call &c) { return Sqrt(c.a()); }},
    // A result outside 32 bits fails rather than wrapping.
    {"ceil", 1,
     [](const Call &c) { return static_cast<Extended>(RoundToInt32(std::ceil(c.a()))); }},
    {"floor", 1,
     [](const Call &c) { return static_cast<Extended>(RoundToInt32(std::floor(c.a()))); }},
    {"round", 1, [](const Call &c) { return static_cast<Extended>(RoundToInt64(c.a())); }},
    {"int", 1, [](const Call &c) { return IntPart(c.a()); }},
    {"frac", 1, [](const Call &c) { return Subtract(c.a(), IntPart(c.a())); }},
    {"mod", 2,
     [](const Call &c) {
         if (!IsInteger(c.a()) || !IsInteger(c.b()))
             return c.Fail(errIntegerExpected);
         return Remainder(c.a(), c.b());
     }},
    {"DTR", 1, [](const Call &c) { return Multiply(c.a(), kDegToRad); }},
    {"RTD", 1, [](const Call &c) { return Multiply(c.a(), kRadToDeg); }},
    {"Random", 1,
     [](const Call &c) {
         if (!IsNatural(c.a()))
             return c.Fail(errNaturalExpected);
         if (c.a() > kRandomMax)
             return c.Fail(errCannotCompute);
         return static_cast<Extended>(1 + Random(RoundToInt32(c.a())));
     }},
    {"RandomReal", 1, [](const Call &c) { return Multiply(c.a(), RandomReal()); }},
    // A failed factorial has reported itself and counts as 1.
    {"C", 2,
     [](const Call &c) {
         const Extended whole = Factorial(c.a(), c.name);
         const Extended chosen = Factorial(c.b(), c.name);
         const Extended rest = Factorial(Subtract(c.a(), c.b()), c.name);
         return Divide(whole, Multiply(chosen, rest));
     }},
    {"P", 2,
     [](const Call &c) {
         const Extended whole = Factorial(c.a(), c.name);
         const Extended rest = Factorial(Subtract(c.a(), c.b()), c.name);
         return Divide(whole, rest);
     }},
    {"min", kList, [](const Call &c) { return ListMin(c.args); }},
    {"max", kList, [](const Call &c) { return ListMax(c.args); }},
    {"sum", kList, [](const Call &c) { return ListSum(c.args); }},
    {"mean", kList,
     [](const Call &c) { return Divide(ListSum(c.args), static_cast<Extended>(c.args.size())); }},
    {"product", kList, [](const Call &c) { return ListProduct(c.args); }},
    {"Q1", kList, [](const Call &c) { return LowerQuartile(SortAscending(c.args)); }},
    {"Md", kList, [](const Call &c) { return MedianOfSorted(SortAscending(c.args)); }},
    {"Q3", kList, [](const Call &c) { return UpperQuartile(SortAscending(c.args)); }},
    {"n", kList, [](const Call &c) { return static_cast<Extended>(c.args.size()); }},
    {"modefreq", kList, [](const Call &c) { return ListMax(ValueFrequencies(c.args)); }},
    {"SD", kList, [](const Call &c) { return StdDevPopulation(c.args); }},
    {"SDNM1", kList, [](const Call &c) { return StdDevSample(c.args); }},
    {"IsPrime", 1,
     [](const Call &c) {
         if (!PrimeArgument(c.a()))
             return c.Fail(errNaturalExpected);
         return IsPrime(c.a()) ? Extended(1) : Extended(0);
     }},
    {"NextPrime", 1,
     [](const Call &c) {
         if (!PrimeArgument(c.a()))
             return c.Fail(errNaturalExpected);
         return NextPrime(static_cast<Extended>(RoundToInt64(c.a())));
     }},
    {"PrevPrime", 1,
     [](const Call &c) {
         if (!PrimeArgument(c.a()))
             return c.Fail(errNaturalExpected);
         if (c.a() < 2)
             return c.Fail(errNoSmallerPrime);
         return PrevPrime(static_cast<Extended>(RoundToInt64(c.a())));
     }},
    {"prime", 1,
     [](const Call &c) {
         if (!IsInteger(c.a()) || c.a() < 1 || c.a() >= kPrimeBound)
             return c.Fail(errNaturalExpected);
         // An index beyond 32 bits fails rather than using its low bits.
         if (c.a() >= kTwo31)
             return c.Fail(errCannotCompute);
         return NthPrime(RoundToInt32(c.a()));
     }},
    {"GCD", kList,
     [](const Call &c) {
         if (!std::all_of(c.args.begin(), c.args.end(), IsInteger))
             return c.Fail(errIntegerExpected);
         return static_cast<Extended>(ListGCD(c.args));
     }},
    {"RTP", 2,
     [](const Call &c) {
         const Extended x = c.a(), y = c.b();
         SetVariable("r", Sqrt(Add(Power(x, 2), Power(y, 2))));
         SetVariable("Theta", Theta(x, y));
         return ReadBack("r");
     }},
    {"PTR", 2,
     [](const Call &c) {
         const Extended r = c.a(), theta = c.b();
         SetVariable("x", Multiply(r, Cos(theta)));
         SetVariable("y", Multiply(r, Sin(theta)));
         return ReadBack("x");
     }},
    {"fibonacci", 1,
     [](const Call &c) {
         if (!IsNatural(c.a()))
             return c.Fail(errNaturalExpected);
         if (c.a() >= kTwo31)
             return c.Fail(errCannotCompute);
         return Fibonacci(RoundToInt32(c.a()));
     }},
};

} // namespace

bool CallBuiltin(const std::string &name, const TExtendedArray &args, Extended &result) {
    const auto found = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                    [&](const Builtin &entry) { return entry.name == name; });
    if (found == std::end(kCatalogue))
        return false;
    result = 0;
    if (found->count != kList && args.size() != static_cast<std::size_t>(found->count)) {
        RaiseCalcError(errArgumentCount, name);
        return true;
    }
    try {
        result = found->compute(Call{name, args});
    } catch (...) {
        result = 0;
        detail::ReportFailure(detail::FailureSite::BuiltinCall, name);
    }
    return true;
}

} // namespace calc
