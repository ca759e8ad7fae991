// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one evaluate-and-print step that the console's batch and interactive paths share.
#pragma once

#include <cstdio>
#include <string>

namespace tools {

struct SessionOptions {
    // Tab-separated columns for other programs: both value texts, the code, the abort.
    bool raw = false;
    // Write every result at once (a person is watching); otherwise out stays buffered
    // until Flush.
    bool flushEachLine = false;
    // A person typed the line: a failed line still shows the value the game would take.
    bool interactive = false;
};

class Session {
  public:
    // Results go to out, messages to err.
    Session(std::FILE *out, std::FILE *err, SessionOptions options);

    // Evaluates one line (UTF-8 from the user) or defines a value ("name = expression"),
    // and prints its result and its error, if any. A blank line is skipped. With a
    // lineNumber above 0, messages begin with "line N: ".
    void EvaluateAndPrint(const std::string &line, long lineNumber = 0);

    // Writes text that is no result, such as the help, to out at once.
    void Print(const std::string &text);

    // Returns false once a write has failed; the failure is then reported on err.
    bool Flush();
    bool WriteFailed() const { return writeFailed_; }

    // 2 when writing failed, else 1 when an evaluation so far reported an error or
    // aborted, else 0.
    int ExitStatus() const { return writeFailed_ ? 2 : anyFailed_ ? 1 : 0; }

  private:
    void Write(const std::string &text);
    void Evaluate(const std::string &line, std::size_t start, const std::string &definedName,
                  long lineNumber);
    void Report(long lineNumber, const std::string &message);

    std::FILE *out_;
    std::FILE *err_;
    SessionOptions options_;
    // When both streams reach the same file, results must be written before a message
    // so that the file reads in order.
    bool sharedFile_;
    bool anyFailed_ = false;
    bool writeFailed_ = false;
};

// The two UTF-8 multiplication signs become their Windows-1252 bytes; all else stays.
std::string ToCalculatorText(const std::string &line);

} // namespace tools
