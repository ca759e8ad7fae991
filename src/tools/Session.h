// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one evaluate-and-print step that the console's batch and interactive paths share.
#pragma once

#include <cstdio>
#include <string>

namespace tools {

class Session {
  public:
    // Results go to out, messages to err. With flushEachLine every result is written at
    // once (a terminal is watching); otherwise out stays buffered until Flush.
    Session(std::FILE *out, std::FILE *err, bool raw, bool flushEachLine);

    // Evaluates one line (UTF-8 from the user) and prints its result and its error, if any.
    void EvaluateAndPrint(const std::string &line);

    void Flush();
    // 0, or 1 when an evaluation so far reported an error or aborted.
    int ExitStatus() const { return anyFailed_ ? 1 : 0; }

  private:
    std::FILE *out_;
    std::FILE *err_;
    bool raw_;
    bool flushEachLine_;
    // When both streams reach the same file, results must be written before a message
    // so that the file reads in order.
    bool sharedFile_;
    bool anyFailed_ = false;
};

// The two UTF-8 multiplication signs become their Windows-1252 bytes; all else stays.
std::string ToCalculatorText(const std::string &line);

} // namespace tools
