// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quintara-calc: evaluates each line of standard input, or each argument, with the game's
// calculator and prints the results as the game shows them.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"

#include "runtime/Cp1252.h"
#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"
#include "runtime/Faults.h"
#include "runtime/Random.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char *kUsage =
    "Usage: quintara-calc [--raw] [--sep CHAR] [--seed N] [--] [EXPRESSION...]\n"
    "\n"
    "Evaluates each EXPRESSION, or else each line of standard input, in one session:\n"
    "Ans, x, y, r and Theta carry from one expression to the next.\n"
    "Each result is printed with the precision of _digits (12 digits). When an\n"
    "evaluation meets an error, its message is printed on standard error; an\n"
    "evaluation that aborts prints nothing on standard output for its line.\n"
    "\n"
    "Input is Windows-1252; the UTF-8 signs \xC3\x97 and \xC2\xB7 are read as multiplication.\n"
    "\n"
    "Options:\n"
    "  --raw       print, tab-separated, the value with 18 digits, the value as shown,\n"
    "              the first error code (-1 for none) and 1 if the evaluation aborted\n"
    "              (the values are then ABORT), else 0\n"
    "  --sep CHAR  decimal separator, '.' or ',' (default: from the locale)\n"
    "  --seed N    seed of the random numbers (default: from the clock)\n"
    "  --help      show this text\n";

struct Options {
    bool raw = false;
    std::vector<std::string> expressions;
};

int BadUsage(const std::string &message) {
    std::cerr << "quintara-calc: " << message << "\nTry 'quintara-calc --help'.\n";
    return 2;
}

bool ParseSeed(const std::string &text, std::uint64_t &seed) {
    if (text.empty() || text.size() > 20)
        return false;
    seed = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (seed > (UINT64_MAX - digit) / 10)
            return false;
        seed = seed * 10 + digit;
    }
    return true;
}

// The two UTF-8 multiplication signs become their Windows-1252 bytes; all else stays.
std::string ToCalculatorText(std::string line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i + 1 < line.size() && line[i] == '\xC3' && line[i + 1] == '\x97') {
            out += '\xD7';
            ++i;
        } else if (i + 1 < line.size() && line[i] == '\xC2' && line[i + 1] == '\xB7') {
            out += '\xB7';
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

void EvaluateLine(const std::string &line, bool raw) {
    calc::Extended value = 0;
    bool aborted = false;
    try {
        value = calc::EvaluateExpression(ToCalculatorText(line));
    } catch (const runtime::EAbort &) {
        aborted = true;
    }
    if (raw) {
        if (aborted)
            std::cout << "ABORT\tABORT";
        else
            std::cout << calc::FormatResult(false, value) << '\t'
                      << calc::FormatResult(true, value);
        std::cout << '\t' << calc::FirstError << '\t' << (aborted ? 1 : 0) << '\n';
    } else if (!aborted) {
        std::cout << calc::FormatResult(true, value) << '\n';
    }
    std::cout.flush();
    if (calc::FirstError >= 0)
        std::cerr << runtime::Cp1252ToUtf8(calc::FirstErrorMessage) << '\n';
    if (aborted)
        std::cerr << "(aborted: a second error in the same expression)\n";
}

} // namespace

int main(int argc, char **argv) {
    Options options;
    bool seeded = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            // An expression may begin with a single minus sign, as in -7.
            options.expressions.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "--sep") {
            if (i + 1 >= argc)
                return BadUsage("--sep needs a separator, '.' or ','");
            const std::string sep = argv[++i];
            if (sep != "." && sep != ",")
                return BadUsage("invalid separator '" + sep + "': use '.' or ','");
            runtime::SetDecimalSeparator(sep[0]);
        } else if (arg == "--seed") {
            std::uint64_t seed = 0;
            if (i + 1 >= argc || !ParseSeed(argv[i + 1], seed))
                return BadUsage("--seed needs a non-negative whole number");
            ++i;
            runtime::RandSeed(seed);
            seeded = true;
        } else {
            return BadUsage("unknown option '" + arg + "'");
        }
    }
    if (!seeded)
        runtime::Randomize();
    // The calculator's own boxes are never asked for here; if they were, they go to stderr.
    runtime::SetErrorBoxHandler(nullptr);
    calc::InitVariables();
    calc::InitFunctions();

    if (!options.expressions.empty()) {
        for (const std::string &expression : options.expressions)
            EvaluateLine(expression, options.raw);
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        EvaluateLine(line, options.raw);
    }
    return 0;
}
