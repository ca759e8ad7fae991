// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The console's interactive path on Windows: the console's own line editing and history
// (arrow keys, F7), read as UTF-16 and handed on as UTF-8.
#include "tools/Interactive.h"

#include "tools/Reference.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace tools {

namespace {

constexpr const char *kPrompt = "> ";

std::string Utf8(const std::wstring &text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

// What was typed up to a line break: one line, or a pasted block of several. False when the
// input ends.
bool ReadTyped(HANDLE input, std::string &typed) {
    std::wstring text;
    wchar_t buffer[512];
    do {
        DWORD read = 0;
        if (!ReadConsoleW(input, buffer, 512, &read, nullptr) || read == 0)
            return false;
        text.append(buffer, read);
    } while (text.back() != L'\n');
    typed = Utf8(text);
    return true;
}

std::string Trimmed(const std::string &line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

} // namespace

// The console keeps its history for the window's lifetime; nothing is written to disk.
std::string HistoryPath() {
    return {};
}

void RunInteractive(Session &session, bool, bool quiet) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const UINT previousOutput = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    if (!quiet)
        std::printf("quintara-calc %s - 'help' explains the language, Ctrl-Z and Enter quits.\n",
                    Version());
    for (bool more = true; more;) {
        std::fputs(kPrompt, stdout);
        std::fflush(stdout);
        std::string typed;
        if (!ReadTyped(input, typed)) {
            std::fputc('\n', stdout);
            break;
        }
        // Each line of a pasted block counts on its own; Ctrl-Z alone on a line ends input.
        for (std::size_t start = 0; more && start < typed.size();) {
            std::size_t end = typed.find_first_of("\r\n", start);
            if (end == std::string::npos)
                end = typed.size();
            const std::string line = typed.substr(start, end - start);
            start = end + (typed.compare(end, 2, "\r\n") == 0 ? 2 : 1);
            const std::string word = Trimmed(line);
            if (word == "quit" || word == "exit" || word == "\x1A")
                more = false;
            else if (word == "help" || word == "functions")
                std::fputs((word == "help" ? InteractiveHelpText() : FunctionTable()).c_str(),
                           stdout);
            else if (!word.empty())
                session.EvaluateAndPrint(line);
            session.Flush();
            std::fflush(stdout);
        }
    }
    session.Flush();
    std::fflush(stdout);
    SetConsoleOutputCP(previousOutput);
}

} // namespace tools
