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

// One typed line without its line break; false at the end of input (Ctrl-Z, Enter).
bool ReadLine(HANDLE input, std::string &line) {
    std::wstring typed;
    wchar_t buffer[512];
    for (;;) {
        DWORD read = 0;
        if (!ReadConsoleW(input, buffer, 512, &read, nullptr) || read == 0)
            return false;
        typed.append(buffer, read);
        if (typed.back() == L'\n')
            break;
    }
    while (!typed.empty() && (typed.back() == L'\n' || typed.back() == L'\r'))
        typed.pop_back();
    if (typed.size() == 1 && typed[0] == L'\x1A')
        return false;
    line = Utf8(typed);
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

void RunInteractive(Session &session, bool) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const UINT previousOutput = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::printf("quintara-calc %s - 'help' explains the language, Ctrl-Z and Enter quits.\n",
                Version());
    for (;;) {
        std::fputs(kPrompt, stdout);
        std::fflush(stdout);
        std::string line;
        if (!ReadLine(input, line)) {
            std::fputc('\n', stdout);
            break;
        }
        const std::string word = Trimmed(line);
        if (word == "quit" || word == "exit")
            break;
        if (word == "help" || word == "functions")
            std::fputs((word == "help" ? InteractiveHelpText() : FunctionTable()).c_str(), stdout);
        else if (!word.empty())
            session.EvaluateAndPrint(line);
        session.Flush();
        std::fflush(stdout);
    }
    session.Flush();
    std::fflush(stdout);
    SetConsoleOutputCP(previousOutput);
}

} // namespace tools
