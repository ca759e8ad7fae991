// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads lines in large blocks and evaluates them one by one.
#include "tools/Batch.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tools {

void EvaluateArguments(Session &session, const std::vector<std::string> &expressions) {
    for (const std::string &expression : expressions) {
        const int before = session.ExitStatus();
        session.EvaluateAndPrint(expression);
        if (session.WriteFailed())
            return;
        // "quintara-calc notes.txt" most likely meant to read the file.
        struct stat file {};
        if (session.ExitStatus() != before && stat(expression.c_str(), &file) == 0 &&
            S_ISREG(file.st_mode))
            std::fprintf(stderr, "quintara-calc: '%s' is a file; -f %s reads expressions from it\n",
                         expression.c_str(), expression.c_str());
    }
    session.Flush();
}

namespace {

void EvaluateLine(Session &session, std::string line, long number) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    session.EvaluateAndPrint(line, number);
}

} // namespace

bool EvaluateLines(Session &session, int fd) {
    std::string pending;
    long number = 0;
    char block[1 << 16];
    for (;;) {
        if (!session.Flush())
            return true;
        const ssize_t n = read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            session.Flush();
            errno = error;
            return false;
        }
        if (n == 0)
            break;
        std::size_t start = 0;
        for (;;) {
            const void *found =
                std::memchr(block + start, '\n', static_cast<std::size_t>(n) - start);
            if (found == nullptr)
                break;
            const std::size_t end =
                static_cast<std::size_t>(static_cast<const char *>(found) - block);
            pending.append(block + start, end - start);
            EvaluateLine(session, std::move(pending), ++number);
            pending.clear();
            if (session.WriteFailed())
                return true;
            start = end + 1;
        }
        pending.append(block + start, static_cast<std::size_t>(n) - start);
    }
    if (!pending.empty())
        EvaluateLine(session, std::move(pending), ++number);
    session.Flush();
    return true;
}

} // namespace tools
