// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluates a line with the game's calculator and prints it as the game shows it.
#include "tools/Session.h"

#include "calc/Evaluate.h"
#include "calc/NumCalc.h"
#include "tools/Reference.h"

#include <sys/stat.h>

namespace tools {

namespace {

bool SameFile(std::FILE *a, std::FILE *b) {
    struct stat sa {};
    struct stat sb {};
    return fstat(fileno(a), &sa) == 0 && fstat(fileno(b), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

void Write(std::FILE *stream, const std::string &text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

Session::Session(std::FILE *out, std::FILE *err, bool raw, bool flushEachLine)
    : out_(out), err_(err), raw_(raw), flushEachLine_(flushEachLine),
      sharedFile_(SameFile(out, err)) {}

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

void Session::EvaluateAndPrint(const std::string &line) {
    const calc::Evaluation outcome = calc::Evaluate(ToCalculatorText(line));
    std::string result;
    if (raw_) {
        result = outcome.aborted ? "ABORT\tABORT"
                                 : calc::FormatResult(false, outcome.value) + '\t' +
                                       calc::FormatResult(true, outcome.value);
        result += '\t' + std::to_string(outcome.firstError) + '\t' +
                  (outcome.aborted ? "1" : "0") + '\n';
    } else if (!outcome.aborted) {
        result = calc::FormatResult(true, outcome.value) + '\n';
    }
    Write(out_, result);
    const bool failed = outcome.aborted || outcome.firstError >= 0;
    if (flushEachLine_ || (failed && sharedFile_))
        std::fflush(out_);
    if (failed) {
        std::string message;
        if (outcome.firstError >= 0)
            message = ErrorLine(outcome.firstError, outcome.message) + '\n';
        if (outcome.aborted)
            message += "(aborted: a second error in the same expression)\n";
        Write(err_, message);
        std::fflush(err_);
        anyFailed_ = true;
    }
}

void Session::Flush() {
    std::fflush(out_);
}

} // namespace tools
