// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the console tells its users about the language: the built-in functions, the help
// text and an English gloss of each error code.
#pragma once

#include <span>
#include <string>

namespace tools {

// Any number of arguments, one at least.
constexpr int kListArguments = -1;

struct BuiltinInfo {
    const char *Name;
    int ArgumentCount; // or kListArguments
    const char *Description;
};

// The calculator's 57 built-ins in the order of its catalogue.
std::span<const BuiltinInfo> Builtins();

// One line per built-in: name, argument count and description, in columns.
std::string FunctionTable();

// For --help, and for "help" at the prompt.
std::string HelpText();
std::string InteractiveHelpText();

// The package's version, 1.1.0.0.
const char *Version();

struct ErrorGloss {
    std::string Name;    // errDivisionByZero
    std::string English; // division by zero
};
ErrorGloss GlossOf(int code);

// "error: <English> (<name>): <message>", the message given in Windows-1252 and written
// in UTF-8; no newline.
std::string ErrorLine(int code, const std::string &calculatorMessage);

} // namespace tools
