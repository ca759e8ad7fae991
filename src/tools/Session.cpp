// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluates a line with the game's calculator and prints it as the game shows it.
#include "tools/Session.h"

#include "calc/CalcVars.h"
#include "calc/Evaluate.h"
#include "calc/NumCalc.h"
#include "runtime/DecimalSeparator.h"
#include "tools/Diagnosis.h"
#include "tools/Reference.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tools {

namespace {

bool SameFile(std::FILE *a, std::FILE *b) {
    struct stat sa {};
    struct stat sb {};
    return fstat(fileno(a), &sa) == 0 && fstat(fileno(b), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// "name = expression": the name and where the expression begins; no name when the line is
// no definition.
struct Definition {
    std::string name;
    std::size_t nameAt = 0;
    std::size_t expressionAt = 0;
};

Definition DefinitionIn(const std::string &line) {
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos || !IsNameStart(line[i]))
        return {};
    const std::size_t nameAt = i;
    while (i < line.size() && IsNameChar(line[i]))
        ++i;
    const std::size_t nameEnd = i;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (i >= line.size() || line[i] != '=')
        return {};
    return {line.substr(nameAt, nameEnd - nameAt), nameAt, i + 1};
}

// Why name cannot be given a value of one's own, or empty when it can.
std::string ProtectedBecause(const std::string &name) {
    for (const BuiltinInfo &builtin : Builtins())
        if (name == builtin.Name)
            return "'" + name + "' is a built-in function and cannot be redefined";
    for (const char *own : {"Pi", "e", "Phi", "Ans", "_digits"})
        if (name == own)
            return "'" + name + "' is the calculator's own value and cannot be redefined";
    return {};
}

} // namespace

Session::Session(std::FILE *out, std::FILE *err, SessionOptions options)
    : out_(out), err_(err), options_(options), sharedFile_(SameFile(out, err)) {}

std::string ToCalculatorText(const std::string &line) {
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

void Session::Write(const std::string &text) {
    if (writeFailed_ || text.empty())
        return;
    if (std::fwrite(text.data(), 1, text.size(), out_) != text.size() || std::ferror(out_) != 0)
        Flush();
}

bool Session::Flush() {
    if (writeFailed_)
        return false;
    if (std::fflush(out_) == 0 && std::ferror(out_) == 0)
        return true;
    const int error = errno;
    writeFailed_ = true;
    std::fprintf(err_, "quintara-calc: cannot write the results: %s\n",
                 std::strerror(error != 0 ? error : EIO));
    std::fflush(err_);
    return false;
}

void Session::Print(const std::string &text) {
    Write(text);
    Flush();
}

void Session::Report(long lineNumber, const std::string &message) {
    // The results before the message reach a shared file first.
    if (sharedFile_)
        Flush();
    const std::string prefix = lineNumber > 0 ? "line " + std::to_string(lineNumber) + ": " : "";
    const std::string text = prefix + message;
    std::fwrite(text.data(), 1, text.size(), err_);
    std::fflush(err_);
    anyFailed_ = true;
}

void Session::EvaluateAndPrint(const std::string &typed, long lineNumber) {
    std::string line = typed;
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (line.find_first_not_of(' ') == std::string::npos)
        return;
    const Definition definition = DefinitionIn(line);
    if (!definition.name.empty()) {
        if (const std::string because = ProtectedBecause(definition.name); !because.empty()) {
            Report(lineNumber, "error: " + because + "\n" +
                                   PointAt(line, Diagnosis{true, definition.nameAt, {}}));
            return;
        }
    }
    Evaluate(line, definition.expressionAt, definition.name, lineNumber);
}

void Session::Evaluate(const std::string &line, std::size_t start, const std::string &definedName,
                       long lineNumber) {
    const calc::Evaluation outcome = calc::Evaluate(ToCalculatorText(line.substr(start)));
    const bool failed = outcome.aborted || outcome.firstError >= 0;
    if (!failed && !definedName.empty())
        calc::SetVariable(definedName, outcome.value);

    std::string result;
    if (options_.raw) {
        result = outcome.aborted ? "ABORT\tABORT"
                                 : calc::FormatResult(false, outcome.value) + '\t' +
                                       calc::FormatResult(true, outcome.value);
        // Other programs read these columns: the same in every locale.
        if (runtime::DecimalSeparator() != '.')
            std::replace(result.begin(), result.end(), runtime::DecimalSeparator(), '.');
        result +=
            '\t' + std::to_string(outcome.firstError) + '\t' + (outcome.aborted ? "1" : "0") + '\n';
    } else if (!outcome.aborted && (!failed || options_.interactive)) {
        // A failed line's value is no answer, but a person at the prompt sees what the game
        // would take.
        result = calc::FormatResult(true, outcome.value) + '\n';
    }
    Write(result);
    if (options_.flushEachLine)
        Flush();
    if (!failed)
        return;
    std::string message;
    if (outcome.firstError >= 0) {
        message = ErrorLine(outcome.firstError, outcome.message) + '\n';
        Diagnosis place = Diagnose(line.substr(start), outcome.firstError, outcome.message,
                                   runtime::DecimalSeparator());
        if (place.found) {
            place.offset += start;
            message += PointAt(line, place);
        }
    }
    if (outcome.aborted)
        message += "(aborted: a second error in the same expression)\n";
    Report(lineNumber, message);
}

} // namespace tools
