// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quintara-calc: evaluates each argument, each line of standard input, or each line typed
// at its prompt, with the game's calculator, and prints the results as the game shows them.
#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"

#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"
#include "runtime/Random.h"

#include "tools/Batch.h"
#include "tools/Interactive.h"
#include "tools/Reference.h"
#include "tools/Session.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h> // needs windows.h first
#endif

namespace {

struct Options {
    bool raw = false;
    bool keepHistory = true;
    bool quiet = false;
    std::vector<std::string> expressions;
    std::vector<std::string> files; // "-" is standard input
};

int BadUsage(const std::string &message) {
    std::fprintf(stderr, "quintara-calc: %s\nTry 'quintara-calc --help'.\n", message.c_str());
    return 2;
}

int Print(const std::string &text) {
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return 0;
    std::fprintf(stderr, "quintara-calc: cannot write the results: %s\n", std::strerror(errno));
    return 2;
}

#ifdef _WIN32
constexpr int kReadOnly = O_RDONLY | O_BINARY; // the lines' own bytes, as on Linux
#else
constexpr int kReadOnly = O_RDONLY | O_CLOEXEC;
#endif

// Evaluates the lines of each file in turn; false when one cannot be opened or read.
bool EvaluateFiles(tools::Session &session, const std::vector<std::string> &files) {
    for (const std::string &file : files) {
        const bool standardInput = file == "-";
        const int fd = standardInput ? STDIN_FILENO : open(file.c_str(), kReadOnly);
        const bool read = fd >= 0 && tools::EvaluateLines(session, fd);
        const int error = errno;
        if (fd >= 0 && !standardInput)
            close(fd);
        if (!read) {
            session.Flush();
            std::fprintf(stderr, "quintara-calc: cannot read %s: %s\n",
                         standardInput ? "standard input" : file.c_str(), std::strerror(error));
            return false;
        }
        if (session.WriteFailed())
            return true;
    }
    return true;
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

#ifdef _WIN32
// The arguments as typed, in UTF-8 as the session reads them, instead of the ANSI code page's
// approximation that main receives.
std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
        argument.pop_back(); // the terminating zero
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}
#endif

} // namespace

int main(int argc, char **argv) {
#ifdef _WIN32
    // The same bytes as on every other system: no carriage returns added or taken away.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> utf8 = Utf8Arguments();
    std::vector<char *> pointers;
    for (std::string &argument : utf8)
        pointers.push_back(argument.data());
    if (!pointers.empty()) {
        pointers.push_back(nullptr);
        argc = static_cast<int>(utf8.size());
        argv = pointers.data();
    }
#endif
    Options options;
    bool seeded = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        // --sep=, and --seed=7 are read as --sep , and --seed 7.
        std::string attached;
        bool hasAttached = false;
        if (!optionsEnded && arg.compare(0, 2, "--") == 0 && arg.find('=') != std::string::npos) {
            attached = arg.substr(arg.find('=') + 1);
            arg.resize(arg.find('='));
            hasAttached = true;
        }
        const auto value = [&](std::string &out) {
            if (hasAttached) {
                out = attached;
                return true;
            }
            if (i + 1 >= argc)
                return false;
            out = argv[++i];
            return true;
        };
        const bool shortOption = arg == "-h" || arg == "-q" || arg == "-f";
        if (optionsEnded || ((arg.size() < 2 || arg.compare(0, 2, "--") != 0) && !shortOption)) {
            // An expression may begin with a single minus sign, as in -7.
            options.expressions.push_back(argv[i]);
        } else if (arg == "--" && !hasAttached) {
            optionsEnded = true;
        } else if (arg == "--sep") {
            std::string sep;
            if (!value(sep))
                return BadUsage("--sep needs a separator, '.' or ','");
            if (sep != "." && sep != ",")
                return BadUsage("invalid separator '" + sep + "': use '.' or ','");
            runtime::SetDecimalSeparator(sep[0]);
        } else if (arg == "--seed") {
            std::string text;
            std::uint64_t seed = 0;
            if (!value(text) || !ParseSeed(text, seed))
                return BadUsage("--seed needs a non-negative whole number");
            runtime::RandSeed(seed);
            seeded = true;
        } else if (arg == "-f" || arg == "--file") {
            std::string file;
            if (!value(file) || file.empty())
                return BadUsage(arg + " needs a file name, or '-' for standard input");
            options.files.push_back(file);
        } else if (hasAttached) {
            return BadUsage("option '" + arg + "' takes no value");
        } else if (arg == "--help" || arg == "-h") {
            return Print(tools::HelpText());
        } else if (arg == "--version") {
            return Print(std::string("quintara-calc ") + tools::Version() + "\n");
        } else if (arg == "--functions") {
            return Print(tools::FunctionTable());
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (arg == "-q" || arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--no-history") {
            options.keepHistory = false;
        } else {
            return BadUsage("unknown option '" + arg + "'");
        }
    }
    if (!options.files.empty() && !options.expressions.empty())
        return BadUsage("give expressions or -f FILE, not both");
    if (!seeded)
        runtime::Randomize();
    // The calculator's own boxes are never asked for here; if they were, they go to stderr.
    runtime::SetErrorBoxHandler(nullptr);
    calc::InitVariables();
    calc::InitFunctions();

    const bool interactive =
        options.expressions.empty() && options.files.empty() && isatty(STDIN_FILENO) != 0;
    const bool toTerminal = isatty(STDOUT_FILENO) != 0;
    if (!toTerminal)
        std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    tools::SessionOptions sessionOptions;
    sessionOptions.raw = options.raw;
    // A person at the prompt sees each result at once, even through "| tee log".
    sessionOptions.flushEachLine = toTerminal || interactive;
    sessionOptions.interactive = interactive;
    tools::Session session(stdout, stderr, sessionOptions);
    if (interactive) {
        tools::RunInteractive(session, options.keepHistory, options.quiet);
    } else if (!options.expressions.empty()) {
        tools::EvaluateArguments(session, options.expressions);
    } else if (!EvaluateFiles(session, options.files.empty() ? std::vector<std::string>{"-"}
                                                             : options.files)) {
        return 2;
    }
    session.Flush();
    return session.ExitStatus();
}
