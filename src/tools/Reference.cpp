// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The console's reference texts. The table of built-ins mirrors the calculator's catalogue,
// and the manual's list mirrors the table (tests hold all three together); the Swedish
// messages stay the calculator's own.
#include "tools/Reference.h"

#include "runtime/Cp1252.h"

#include <array>
#include <cstdio>

namespace tools {

namespace {

constexpr int kList = kListArguments;

constexpr std::array<BuiltinInfo, 57> kBuiltins = {{
    {"sin", 1, "sine of a (all angles in radians)"},
    {"cos", 1, "cosine of a"},
    {"tan", 1, "tangent of a"},
    {"cot", 1, "cotangent of a, 1/tan(a)"},
    {"arcsin", 1, "the angle whose sine is a, -1 <= a <= 1"},
    {"arccos", 1, "the angle whose cosine is a, -1 <= a <= 1"},
    {"arctan", 1, "the angle whose tangent is a, between -Pi/2 and Pi/2"},
    {"arccot", 1, "the angle whose cotangent is a, arctan(1/a)"},
    {"sinh", 1, "hyperbolic sine"},
    {"cosh", 1, "hyperbolic cosine"},
    {"tanh", 1, "hyperbolic tangent"},
    {"coth", 1, "hyperbolic cotangent, 1/tanh(a)"},
    {"arcsinh", 1, "inverse hyperbolic sine"},
    {"arccosh", 1, "inverse hyperbolic cosine, a >= 1"},
    {"arctanh", 1, "inverse hyperbolic tangent, -1 < a < 1"},
    {"arccoth", 1, "inverse hyperbolic cotangent, a < -1 or a > 1"},
    {"log10", 1, "logarithm to base 10, a > 0"},
    {"log2", 1, "logarithm to base 2, a > 0"},
    {"ln", 1, "natural logarithm (base e), a > 0"},
    {"log", 2, "logarithm of b to the base a: log(2;8) is 3"},
    {"exp", 1, "e to the power a"},
    {"sgn", 1, "sign of a: -1, 0 or 1"},
    {"abs", 1, "absolute value"},
    {"fact", 1, "factorial a!, a a natural number"},
    {"sqrt", 1, "square root, a >= 0"},
    {"ceil", 1, "smallest integer not below a"},
    {"floor", 1, "largest integer not above a"},
    {"round", 1, "nearest integer, a half going to the even one"},
    {"int", 1, "integral part, towards zero: int(-2.7) is -2"},
    {"frac", 1, "fractional part, a - int(a)"},
    {"mod", 2, "remainder of the integers a / b, with the sign of a"},
    {"DTR", 1, "degrees to radians"},
    {"RTD", 1, "radians to degrees"},
    {"Random", 1, "a random whole number from 1 to a"},
    {"RandomReal", 1, "a random number from 0 up to, not including, a"},
    {"C", 2, "combinations, a choose b: C(5;2) is 10"},
    {"P", 2, "permutations, a!/(a-b)!: P(5;2) is 20"},
    {"min", kList, "smallest of the values"},
    {"max", kList, "largest of the values"},
    {"sum", kList, "sum of the values"},
    {"mean", kList, "arithmetic mean of the values"},
    {"product", kList, "product of the values"},
    {"Q1", kList, "first (lower) quartile of the values"},
    {"Md", kList, "median of the values"},
    {"Q3", kList, "third (upper) quartile of the values"},
    {"n", kList, "number of values"},
    {"modefreq", kList, "how often the most frequent value occurs"},
    {"SD", kList, "standard deviation of a population (divisor n)"},
    {"SDNM1", kList, "standard deviation of a sample (divisor n-1)"},
    {"IsPrime", 1, "1 if a is a prime, else 0"},
    {"NextPrime", 1, "smallest prime not below a"},
    {"PrevPrime", 1, "largest prime not above a, a >= 2"},
    {"prime", 1, "the a-th prime: prime(1) is 2"},
    {"GCD", kList, "greatest common divisor of whole numbers"},
    {"RTP", 2, "rectangular (a;b) to polar: gives r, stores r and Theta"},
    {"PTR", 2, "polar (a;b), radius and angle, to rectangular: gives x, stores x and y"},
    {"fibonacci", 1, "the a-th Fibonacci number: fibonacci(10) is 55"},
}};

struct CodeGloss {
    const char *Name;
    const char *English;
};

constexpr std::array<CodeGloss, 12> kGlosses = {{
    {"errSyntax", "syntax error"},
    {"errDivisionByZero", "division by zero"},
    {"errArgumentCount", "wrong number of arguments"},
    {"errInvalidArgument", "invalid argument"},
    {"errUnknownVariable", "unknown variable or constant"},
    {"errUnknownFunction", "unknown function"},
    {"errNotReal", "the result is no real number within the calculator's range"},
    {"errCannotCompute", "the function is not defined for this argument"},
    {"errNaturalExpected", "a natural number (0, 1, 2, ...) was expected"},
    {"errIntegerExpected", "a whole number was expected"},
    {"errUnknown", "the expression cannot be read; check its syntax"},
    {"errNoSmallerPrime", "there is no smaller prime, the smallest is 2"},
}};

constexpr const char *kUsage =
    "Usage: quintara-calc [OPTION...] [--] [EXPRESSION...]\n"
    "   or: quintara-calc [OPTION...] -f FILE...\n"
    "\n"
    "Evaluates each EXPRESSION, or else each line of the FILEs or of standard input,\n"
    "with the calculator of the game Quintara, in one session: Ans, x, y, r, Theta and\n"
    "the values defined with 'name = expression' carry from one line to the next. On a\n"
    "terminal it reads lines with editing, history and Tab completion of names;\n"
    "Ctrl-D, 'quit' or 'exit' ends it. Blank lines are skipped.\n"
    "\n"
    "Each result is printed with the precision of _digits (12 digits). When an\n"
    "evaluation meets an error, its message goes to standard error with the line, a\n"
    "caret under the place and a hint; the line then prints no result, except at the\n"
    "prompt, which shows the value the game would take.\n"
    "\n";

constexpr const char *kLanguage =
    "The language, from the tightest binding:\n"
    "  f(a;b)    function calls; arguments are separated by ';'\n"
    "  !         factorial: 5! is 120\n"
    "  ^         power, left to right: 2^3^2 is (2^3)^2 = 64\n"
    "  * /       multiplication and division, left to right\n"
    "  + -       addition and subtraction, left to right\n"
    "  A sign binds less tightly than ! and ^: -2^2 is -4, (-2)^2 is 4.\n"
    "  ( ), [ ] and { } are all brackets alike: [2+3]*{4} is 20.\n"
    "  Named values: Pi, e, Phi; Ans, the last result; r, Theta, x and y, stored\n"
    "  by RTP and PTR. Names are case-sensitive: Sqrt(16) and pi are not known.\n"
    "  Numbers: 2.5 or 2,5 by the decimal separator of the locale (or --sep);\n"
    "  1E-5 is 0.00001. There is no implicit multiplication: write 2*Pi, not 2Pi.\n"
    "  w = 2^10 gives w that value for the session; built-ins, Pi, e, Phi, Ans and\n"
    "  _digits cannot be redefined.\n";

constexpr const char *kOptions =
    "\n"
    "Input is Windows-1252; the UTF-8 signs \xC3\x97 and \xC2\xB7 are read as multiplication.\n"
    "\n"
    "Options:\n"
    "  --raw         print, tab-separated, the value with 18 digits, the value as shown,\n"
    "                the first error code (-1 for none) and 1 if the evaluation aborted\n"
    "                (the values are then ABORT), else 0; always with a point\n"
    "  --sep CHAR    decimal separator of input and results, '.' or ','\n"
    "                (default: from the locale)\n"
    "  --seed N      seed of the random numbers (default: from the clock)\n"
    "  -f, --file FILE  read the lines of FILE ('-' for standard input)\n"
    "  -q, --quiet   start a terminal session without the opening line\n"
    "  --no-history  keep no history of the lines typed on a terminal\n"
    "  --functions   list the 57 built-in functions with their arguments\n"
    "  -h, --help    show this text\n"
    "  --version     show the version\n"
    "\n"
    "Exit status: 0 when every evaluation ended without error, 1 when any evaluation\n"
    "reported an error or aborted (all are still evaluated), 2 for bad usage, an\n"
    "unreadable file or results that could not be written.\n"
    "\n"
    "The history of a terminal session is kept in $XDG_STATE_HOME/quintara/calc_history\n"
    "(~/.local/state/quintara/calc_history when XDG_STATE_HOME is not set).\n"
    "The manual page quintara-calc(1) describes the whole language.\n";

constexpr const char *kAtThePrompt =
    "\n"
    "At the prompt: 'functions' lists the 57 built-ins, Tab completes a name, Up and\n"
    "Down recall earlier lines, Ctrl-C drops the line, Ctrl-Z stops the program until\n"
    "'fg', 'quit', 'exit' or Ctrl-D ends.\n"
    "The manual page quintara-calc(1) describes the whole language.\n";

} // namespace

std::span<const BuiltinInfo> Builtins() {
    return kBuiltins;
}

std::string FunctionTable() {
    std::string table;
    for (const BuiltinInfo &builtin : kBuiltins) {
        const char *count = builtin.ArgumentCount == 1   ? "1"
                            : builtin.ArgumentCount == 2 ? "2"
                                                         : "any";
        char row[160];
        std::snprintf(row, sizeof row, "%-11s %-4s %s\n", builtin.Name, count, builtin.Description);
        table += row;
    }
    return table;
}

std::string HelpText() {
    return std::string(kUsage) + kLanguage + kOptions;
}

std::string InteractiveHelpText() {
    return std::string(kLanguage) + kAtThePrompt;
}

const char *Version() {
    return QUINTARA_VERSION;
}

ErrorGloss GlossOf(int code) {
    if (code >= 0 && code < static_cast<int>(kGlosses.size()))
        return {kGlosses[static_cast<std::size_t>(code)].Name,
                kGlosses[static_cast<std::size_t>(code)].English};
    return {"error code " + std::to_string(code), "unspecified error"};
}

std::string ErrorLine(int code, const std::string &calculatorMessage) {
    const ErrorGloss gloss = GlossOf(code);
    return "error: " + gloss.English + " (" + gloss.Name +
           "): " + runtime::Cp1252ToUtf8(calculatorMessage);
}

} // namespace tools
