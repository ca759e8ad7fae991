// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator console, run as a real process: results, errors, aborts, options.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ConsoleRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs the console with the arguments (already shell-quoted) and the given standard input.
ConsoleRun Console(const std::string &arguments, const std::string &input = "") {
    char inName[] = "/tmp/quintara-calc-in-XXXXXX";
    char errName[] = "/tmp/quintara-calc-err-XXXXXX";
    const int inFd = mkstemp(inName);
    const int errFd = mkstemp(errName);
    EXPECT_GE(inFd, 0);
    EXPECT_GE(errFd, 0);
    EXPECT_EQ(write(inFd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(inFd);
    close(errFd);
    const std::string command =
        std::string("'") + QUINTARA_CALC_PATH + "' " + arguments + " <" + inName + " 2>" + errName;
    ConsoleRun run;
    FILE *pipe = popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errName, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    unlink(inName);
    unlink(errName);
    return run;
}

TEST(CalcConsole, PrintsEachLineAsTheGameShowsIt) {
    const ConsoleRun run = Console("--sep .", "2^5\n1/3\nAns*3\n  12  \r\n1E12\n-Pi\n");
    EXPECT_EQ(run.out, "32\n0.333333333333\n1\n12\n1E12\n-3.14159265359\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

TEST(CalcConsole, ReportsTheFirstErrorInUtf8AndAbortsSilently) {
    const ConsoleRun run = Console("--sep .", "1/0\n2.5!+2.5!\nsin(1;2)\n");
    EXPECT_EQ(run.out, "0\n0\n");
    EXPECT_EQ(run.err, "Division med noll.\n"
                       "Ett naturligt tal f\xC3\xB6rv\xC3\xA4ntades som argument till funktionen "
                       "fact.\n"
                       "(aborted: a second error in the same expression)\n"
                       "Felaktigt antal argument till funktionen sin.\n");
    EXPECT_EQ(run.status, 0);
}

TEST(CalcConsole, RawLinesCarryBothTextsTheCodeAndTheAbort) {
    struct Row {
        const char *args;
        const char *out;
    };
    const Row rows[] = {
        {"--raw --sep . 1/3", "0.333333333333333333\t0.333333333333\t-1\t0\n"},
        {"--raw --sep , 1/3", "0,333333333333333333\t0,333333333333\t-1\t0\n"},
        {"--raw --sep , 2,5!", "1\t1\t8\t0\n"},
        {"--raw --sep . 2.5!+2.5!", "ABORT\tABORT\t8\t1\n"},
        {"--raw --sep . -- -7 '2)'", "-7\t-7\t-1\t0\n0\t0\t0\t0\n"},
        {"--raw --sep . 41 Ans+1", "41\t41\t-1\t0\n42\t42\t-1\t0\n"},
        {"--raw --sep . 'RTP(3;4)' Theta", "5\t5\t-1\t0\n"
                                           "0.927295218001612232\t0.927295218002\t-1\t0\n"},
        {"--raw --seed 5 'Random(1)'", "1\t1\t-1\t0\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.args);
        const ConsoleRun run = Console(row.args);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.status, 0);
    }
}

TEST(CalcConsole, AcceptsTheUtf8MultiplicationSigns) {
    EXPECT_EQ(Console("--sep .", "2\xC3\x97"
                                 "3\xC2\xB7"
                                 "4\n2\xD7"
                                 "5\n")
                  .out,
              "24\n10\n");
}

TEST(CalcConsole, TheSameSeedDrawsTheSameNumbers) {
    const ConsoleRun a = Console("--seed 42 --raw 'RandomReal(1)' 'Random(1000)'");
    const ConsoleRun b = Console("--seed 42 --raw 'RandomReal(1)' 'Random(1000)'");
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, "");
}

TEST(CalcConsole, BadOptionsExitWithStatusTwo) {
    const char *rows[] = {"--bogus",
                          "--sep",
                          "--sep ';'",
                          "--seed",
                          "--seed x",
                          "--seed -1",
                          "--seed 99999999999999999999"};
    for (const char *args : rows) {
        SCOPED_TRACE(args);
        const ConsoleRun run = Console(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("quintara-calc: "), std::string::npos);
    }
}

TEST(CalcConsole, HelpExplainsTheOptions) {
    const ConsoleRun run = Console("--help");
    EXPECT_EQ(run.status, 0);
    for (const char *word : {"--raw", "--sep", "--seed", "Ans", "ABORT"}) {
        SCOPED_TRACE(word);
        EXPECT_NE(run.out.find(word), std::string::npos);
    }
}

} // namespace
