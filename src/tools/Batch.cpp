// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads lines in large blocks and evaluates them one by one.
#include "tools/Batch.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tools {

void EvaluateArguments(Session &session, const std::vector<std::string> &expressions) {
    for (const std::string &expression : expressions)
        session.EvaluateAndPrint(expression);
    session.Flush();
}

namespace {

void EvaluateLine(Session &session, std::string line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    session.EvaluateAndPrint(line);
}

} // namespace

bool EvaluateLines(Session &session, int fd) {
    std::string pending;
    char block[1 << 16];
    for (;;) {
        session.Flush();
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
            EvaluateLine(session, std::move(pending));
            pending.clear();
            start = end + 1;
        }
        pending.append(block + start, static_cast<std::size_t>(n) - start);
    }
    if (!pending.empty())
        EvaluateLine(session, std::move(pending));
    session.Flush();
    return true;
}

} // namespace tools
