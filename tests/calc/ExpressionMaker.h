// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A maker of random calculator input, shared by the equivalence tests and the comparison of
// the Linux and Windows consoles.
#pragma once

#include <cstdint>
#include <iterator>
#include <random>
#include <set>
#include <string>

// Random expressions: numbers, named values, every operator, the three kinds of brackets,
// calls of built-ins with lists, and the slips a player makes.
class ExpressionMaker {
  public:
    explicit ExpressionMaker(std::uint64_t seed) : random(seed) {}
    // Calls of the left-out functions become calls of abs, drawn the same way.
    ExpressionMaker(std::uint64_t seed, std::set<std::string> leftOutNames)
        : random(seed), leftOut(std::move(leftOutNames)) {}

    std::string Make() { return Expression(0); }

  private:
    int Pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }

    std::string Number() {
        static const char *const fixed[] = {
            "0",  "1",    "2",    "3",    "10",   "0.5",   "1.5",    ".5",  "1E3", "2E-3",
            "1E", "1E+5", "7.25", "1754", "1755", "23601", "1E4000", "0.1", "100", "97"};
        if (Pick(3) == 0)
            return fixed[Pick(std::size(fixed))];
        std::string text = std::to_string(random() % 1000);
        if (Pick(2) == 0)
            text += "." + std::to_string(random() % 10000);
        return text;
    }

    std::string Atom(int depth) {
        static const char *const names[] = {"Pi",    "e",       "Phi", "Ans", "x",
                                            "Theta", "_digits", "pi",  "abc"};
        static const char *const functions[] = {
            "sin",       "cos",       "tan",       "cot",   "arcsin",   "arccos",  "arctan",
            "arccot",    "sinh",      "cosh",      "tanh",  "coth",     "arcsinh", "arccosh",
            "arctanh",   "arccoth",   "log10",     "log2",  "ln",       "log",     "exp",
            "sgn",       "abs",       "fact",      "sqrt",  "ceil",     "floor",   "round",
            "int",       "frac",      "mod",       "DTR",   "RTD",      "Random",  "RandomReal",
            "C",         "P",         "min",       "max",   "sum",      "mean",    "product",
            "Q1",        "Md",        "Q3",        "n",     "modefreq", "SD",      "SDNM1",
            "IsPrime",   "NextPrime", "PrevPrime", "prime", "GCD",      "RTP",     "PTR",
            "fibonacci", "Sin",       "2"};
        static const char *const opens[] = {"(", "[", "{"};
        static const char *const closes[] = {")", "]", "}"};
        switch (depth > 1 ? Pick(2) * Pick(2) : Pick(8)) {
        case 0:
            return Number();
        case 1:
            return names[Pick(Pick(3) == 0 ? static_cast<int>(std::size(names)) : 7)];
        case 2: {
            const int kind = Pick(3);
            return opens[kind] + Expression(depth + 1) + closes[Pick(5) == 0 ? Pick(3) : kind];
        }
        case 3:
        case 4: {
            std::string call = functions[Pick(std::size(functions))];
            if (leftOut.count(call) != 0)
                call = "abs";
            call += "(";
            for (int argument = Pick(3) == 0 ? Pick(4) : Pick(2) * Pick(2); argument >= 0;
                 --argument)
                call += Expression(depth + 1) + (argument > 0 ? ";" : "");
            if (Pick(10) == 0)
                call += ";";
            return call + ")";
        }
        case 5:
            return "-" + Atom(depth + 1);
        default:
            return Number();
        }
    }

    std::string Expression(int depth) {
        static const char *const operators[] = {"+", "-",  "*",  "/",  "^",    "^",   "^-",
                                                "~", "--", "+-", "*-", "\xD7", "\xB7"};
        static const char *const slips[] = {" ", "(", ")", ";", "!", "E", "\t", "..", ",", "[]"};
        std::string text = Atom(depth);
        for (int more = depth > 1 ? Pick(2) : Pick(4); more > 0; --more) {
            if (Pick(4) == 0)
                text += "!";
            text += operators[Pick(std::size(operators))];
            text += Atom(depth);
        }
        if (Pick(25) == 0)
            text.insert(static_cast<std::size_t>(Pick(static_cast<int>(text.size()) + 1)),
                        slips[Pick(std::size(slips))]);
        return text;
    }

    std::mt19937_64 random;
    std::set<std::string> leftOut;
};
