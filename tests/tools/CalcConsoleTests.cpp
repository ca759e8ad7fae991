// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator console, run as a real process: results, errors, aborts, options, exit
// status, the reference texts and how it behaves in a pipe.
#include "ConsoleTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ConsoleRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs the console with the arguments (already shell-quoted) and the given standard input;
// environment, when given, is a list of NAME=value words put before the program.
ConsoleRun Console(const std::string &arguments, const std::string &input = "",
                   const std::string &environment = "") {
    char inName[] = "/tmp/quintara-calc-in-XXXXXX";
    char errName[] = "/tmp/quintara-calc-err-XXXXXX";
    const int inFd = mkstemp(inName);
    const int errFd = mkstemp(errName);
    EXPECT_GE(inFd, 0);
    EXPECT_GE(errFd, 0);
    EXPECT_EQ(write(inFd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(inFd);
    close(errFd);
    const std::string command = (environment.empty() ? "" : "env " + environment + " ") + "'" +
                                QUINTARA_CALC_PATH + "' " + arguments + " <" + inName + " 2>" +
                                errName;
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

TEST(CalcConsole, ReportsTheFirstErrorInEnglishAndUtf8AndAbortsSilently) {
    const ConsoleRun run = Console("--sep .", "1/0\n2.5!+2.5!\nsin(1;2)\n");
    // A failed line's value is no answer: nothing of it reaches standard output.
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "line 1: error: division by zero (errDivisionByZero): Division med noll.\n"
                       "line 2: error: a natural number (0, 1, 2, ...) was expected "
                       "(errNaturalExpected): "
                       "Ett naturligt tal f\xC3\xB6rv\xC3\xA4ntades som argument till funktionen "
                       "fact.\n"
                       "  2.5!+2.5!\n"
                       "     ^\n"
                       "(aborted: a second error in the same expression)\n"
                       "line 3: error: wrong number of arguments (errArgumentCount): "
                       "Felaktigt antal argument till funktionen sin.\n"
                       "  sin(1;2)\n"
                       "  ^ sin takes 1 argument, not 2\n");
    EXPECT_EQ(run.status, 1);
}

// Every error code that an expression can raise, with its English gloss.
TEST(CalcConsole, GlossesEveryErrorAnExpressionCanRaise) {
    struct Row {
        const char *expression;
        const char *err;
    };
    const Row rows[] = {
        {"2*(", "error: syntax error (errSyntax): Syntaxfel.\n"},
        {"1/0", "error: division by zero (errDivisionByZero): Division med noll.\n"},
        {"sin(1;2)", "error: wrong number of arguments (errArgumentCount): Felaktigt antal "
                     "argument till funktionen sin.\n"},
        {"Sin(1)", "error: unknown function (errUnknownFunction): Det finns ingen funktion "
                   "deklarerad med namnet Sin.\n"},
        {"(-8)^(1/3)", "error: the result is no real number within the calculator's range "
                       "(errNotReal): V\xC3\xA4rdet \"\" \xC3\xA4r inte ett reellt tal i "
                       "intervallet 3.6\xC3\x97"
                       "10^-4951 till 1.1\xC3\x97"
                       "10^4932.\n"},
        {"sqrt(-1)", "error: the function is not defined for this argument (errCannotCompute): "
                     "Det gick inte att ber\xC3\xA4kna sqrt av det angivna argumentet.\n"},
        {"2.5!", "error: a natural number (0, 1, 2, ...) was expected (errNaturalExpected): Ett "
                 "naturligt tal f\xC3\xB6rv\xC3\xA4ntades som argument till funktionen fact.\n"},
        {"mod(7.5;2)", "error: a whole number was expected (errIntegerExpected): Ett heltal "
                       "f\xC3\xB6rv\xC3\xA4ntades som argument till funktionen mod.\n"},
        {"abc+1", "error: the expression cannot be read; check its syntax (errUnknown): Ett "
                  "ok\xC3\xA4nt fel intr\xC3\xA4"
                  "ffade vid ber\xC3\xA4kning av uttrycket. Kontrollera syntaxen.\n"},
        {"PrevPrime(1)", "error: there is no smaller prime, the smallest is 2 (errNoSmallerPrime): "
                         "Funktionen PrevPrime kunde inte ber\xC3\xA4knas, ty det minsta "
                         "primtalet \xC3\xA4r 2.\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.expression);
        const ConsoleRun run = Console("--sep .", std::string(row.expression) + "\n");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), "line 1: " + std::string(row.err));
        EXPECT_EQ(run.status, 1);
    }
}

TEST(CalcConsole, ExitStatusTellsWhetherAnyEvaluationFailed) {
    struct Row {
        const char *args;
        const char *input;
        const char *out;
        int status;
    };
    const Row rows[] = {
        // Blank lines, of spaces and tabs too, are skipped.
        {"--sep .", "2+3\n\n  \t \nAns*2\n", "5\n10\n", 0},
        {"--sep .", "", "", 0},
        {"--sep . 2+3 Ans*2", "", "5\n10\n", 0},
        {"--sep . '' 7", "", "7\n", 0},
        // Tabs count as spaces.
        {"--sep .", "\t2\t+\t3\t\n", "5\n", 0},
        // A failing line in the middle: the lines after it are still evaluated.
        {"--sep .", "2+3\n1/0\nAns*2\n", "5\n10\n", 1},
        {"--sep .", "2.5!+2.5!\n4\n", "4\n", 1},
        {"--sep . 1/0 4", "", "4\n", 1},
        {"--raw --sep . 2.5!+2.5!", "", "ABORT\tABORT\t8\t1\n", 1},
        {"--raw --sep . 1/0", "", "0\t0\t1\t0\n", 1},
        // The last line needs no newline; a lone error there still counts.
        {"--sep .", "7\nSin(1)", "7\n", 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.args) + " <<< " + row.input);
        const ConsoleRun run = Console(row.args, row.input);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.status, row.status);
    }
}

TEST(CalcConsole, RawLinesCarryBothTextsTheCodeAndTheAbort) {
    struct Row {
        const char *args;
        const char *out;
    };
    const Row rows[] = {
        {"--raw --sep . 1/3", "0.333333333333333333\t0.333333333333\t-1\t0\n"},
        // Other programs read these columns: a point in every locale.
        {"--raw --sep , 1/3", "0.333333333333333333\t0.333333333333\t-1\t0\n"},
        {"--raw --sep , 2,5*1E-20", "2.5E-20\t2.5E-20\t-1\t0\n"},
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
    const char *rows[] = {
        "--bogus", "--raw=1",  "--sep",     "'--sep=;'", "--sep ';'",
        "--seed",  "--seed x", "--seed -1", "--seed=",   "--seed 99999999999999999999"};
    for (const char *args : rows) {
        SCOPED_TRACE(args);
        const ConsoleRun run = Console(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("quintara-calc: "), std::string::npos);
    }
}

TEST(CalcConsole, HelpExplainsTheOptionsAndTheLanguage) {
    for (const char *option : {"--help", "-h", "2+3 --help"}) {
        SCOPED_TRACE(option);
        const ConsoleRun run = Console(option);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        for (const char *word :
             {"--raw", "--sep", "--seed", "--no-history", "--functions", "--version", "ABORT",
              "Ans", "Pi", "Phi", "Theta", "';'", "[ ]", "{ }", "case-sensitive",
              "decimal separator", "Exit status", "calc_history", "quintara-calc(1)"}) {
            SCOPED_TRACE(word);
            EXPECT_NE(run.out.find(word), std::string::npos);
        }
    }
}

TEST(CalcConsole, VersionIsThePackagesVersion) {
    const ConsoleRun run = Console("--version");
    EXPECT_EQ(run.out, "quintara-calc 1.1.0.0\n");
    EXPECT_EQ(run.status, 0);
}

TEST(CalcConsole, FunctionsListsTheBuiltinsInCatalogueOrder) {
    const ConsoleRun run = Console("--functions");
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> expected = {
        "sin 1",     "cos 1",     "tan 1",       "cot 1",       "arcsin 1",     "arccos 1",
        "arctan 1",  "arccot 1",  "sinh 1",      "cosh 1",      "tanh 1",       "coth 1",
        "arcsinh 1", "arccosh 1", "arctanh 1",   "arccoth 1",   "log10 1",      "log2 1",
        "ln 1",      "log 2",     "exp 1",       "sgn 1",       "abs 1",        "fact 1",
        "sqrt 1",    "ceil 1",    "floor 1",     "round 1",     "int 1",        "frac 1",
        "mod 2",     "DTR 1",     "RTD 1",       "Random 1",    "RandomReal 1", "C 2",
        "P 2",       "min any",   "max any",     "sum any",     "mean any",     "product any",
        "Q1 any",    "Md any",    "Q3 any",      "n any",       "modefreq any", "SD any",
        "SDNM1 any", "IsPrime 1", "NextPrime 1", "PrevPrime 1", "prime 1",      "GCD any",
        "RTP 2",     "PTR 2",     "fibonacci 1"};
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string name;
        std::string count;
        std::string description;
        words >> name >> count;
        std::getline(words, description);
        EXPECT_GT(description.size(), 5u) << line;
        rows.push_back(name + " " + count);
    }
    EXPECT_EQ(rows, expected);
}

// A program that writes one line and waits for its answer must get it, although the
// results are buffered in a pipe.
TEST(CalcConsole, AnswersEachLineOfACoprocessBeforeReadingTheNext) {
    int toCalc[2];
    int fromCalc[2];
    ASSERT_EQ(pipe(toCalc), 0);
    ASSERT_EQ(pipe(fromCalc), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(toCalc[0], STDIN_FILENO);
        dup2(fromCalc[1], STDOUT_FILENO);
        for (const int fd : {toCalc[0], toCalc[1], fromCalc[0], fromCalc[1]})
            close(fd);
        execl(QUINTARA_CALC_PATH, QUINTARA_CALC_PATH, "--sep", ".", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(toCalc[0]);
    close(fromCalc[1]);
    const auto ask = [&](const std::string &line) {
        EXPECT_EQ(write(toCalc[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
        std::string answer;
        while (answer.empty() || answer.back() != '\n') {
            pollfd ready{fromCalc[0], POLLIN, 0};
            if (poll(&ready, 1, 60000) <= 0)
                return answer + "(no answer)";
            char c = 0;
            if (read(fromCalc[0], &c, 1) != 1)
                return answer + "(closed)";
            answer += c;
        }
        return answer;
    };
    EXPECT_EQ(ask("2+3\n"), "5\n");
    EXPECT_EQ(ask("Ans*2\n"), "10\n");
    close(toCalc[1]);
    close(fromCalc[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Results and messages keep their order when both streams go to one file.
TEST(CalcConsole, KeepsResultsAndMessagesInOrderInOneFile) {
    const std::string command =
        std::string("'") + QUINTARA_CALC_PATH + "' --sep . 2+3 1/0 Ans+1 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n = 0; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    EXPECT_EQ(pclose(pipe) >> 8, 1);
    EXPECT_EQ(out, "5\nerror: division by zero (errDivisionByZero): Division med noll.\n6\n");
}

TEST(CalcConsole, WritesNoHistoryWhenTheInputIsNoTerminal) {
    const TempDir state;
    for (const char *args : {"--sep .", "--sep . 2+3"}) {
        SCOPED_TRACE(args);
        const ConsoleRun run =
            Console(args, "2+3\n", "XDG_STATE_HOME='" + state.path + "' HOME='" + state.path + "'");
        EXPECT_EQ(run.out, "5\n");
        EXPECT_TRUE(std::filesystem::is_empty(state.path));
    }
}

// Input that no person types still evaluates, or fails, as the calculator says.
TEST(CalcConsole, EvaluatesHostileLines) {
    struct Row {
        const char *what;
        std::string input;
        std::string out;
        int status;
    };
    const Row rows[] = {
        {"100,000 spaces around a number",
         std::string(50000, ' ') + "7" + std::string(50000, ' ') + "\n", "7\n", 0},
        {"100,000 letters", std::string(100000, 'a') + "\n", "", 1},
        {"NUL bytes", std::string("2+3\0\0\n4\n", 8), "4\n", 1},
        {"100,000 open brackets", std::string(100000, '(') + "1\n", "", 1},
        {"100,000 calls",
         [] {
             std::string calls;
             for (int i = 0; i < 20000; ++i)
                 calls += "sqrt(";
             return calls + "-1\n";
         }(),
         "", 1},
        {"invalid UTF-8",
         "\xFF\xFE"
         "1+1\n\xC3\n3\n",
         "3\n", 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const ConsoleRun run = Console("--sep .", row.input);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.status, row.status);
    }
}

} // namespace

namespace {

// The part of a message after the calculator's own line: the echo, the caret and the hint.
std::string Pointer(const std::string &err) {
    const std::size_t end = err.find('\n');
    return end == std::string::npos ? std::string() : err.substr(end + 1);
}

TEST(CalcConsole, ErrorsPointAtTheFirstPlaceThatCannotBeRead) {
    struct Row {
        const char *expression;
        const char *pointer;
    };
    const Row rows[] = {
        {"sqrt(16", "  sqrt(16\n         ^ a ')' is missing to close the '('\n"},
        {"((1)", "  ((1)\n      ^ a ')' is missing to close the '('\n"},
        {"1)+2", "  1)+2\n   ^ this ')' closes no bracket\n"},
        {"2**3", "  2**3\n   ^ '**' is no operator: a power is written 2^3\n"},
        {"2,5", "  2,5\n   ^ the decimal separator is '.' (--sep , reads 2,5)\n"},
        {"max(1,2)", "  max(1,2)\n       ^ arguments are separated by ';', not ','\n"},
        {"sin 1", "  sin 1\n     ^ a function takes its arguments in brackets: sin(1)\n"},
        {"pi", "  pi\n  ^ names are case-sensitive: did you mean 'Pi'?\n"},
        {"2*PHI", "  2*PHI\n    ^ names are case-sensitive: did you mean 'Phi'?\n"},
        {"Sqrt(16)", "  Sqrt(16)\n  ^ names are case-sensitive: did you mean 'sqrt'?\n"},
        {"1+", "  1+\n    ^ a value is missing after '+'\n"},
        {"3 +* 4", "  3 +* 4\n     ^ a value is missing before '*'\n"},
        {"x", "  x\n  ^ 'x' has no value yet: PTR, RTP or 'x = ...' gives it one\n"},
        {"2Pi", "  2Pi\n   ^ there is no implicit multiplication: write 2*Pi\n"},
        {"log(8)", "  log(8)\n  ^ log takes 2 arguments, not 1\n"},
        {"foo(1)", "  foo(1)\n  ^ no function is called 'foo'\n"},
        {"\t1\t+\tsqrt(-1)", "   1 + sqrt(-1)\n       ^\n"},
        // Columns count characters, not bytes.
        {"2\xC3\x97(3", "  2\xC3\x97(3\n      ^ a ')' is missing to close the '('\n"},
        {"1/0", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.expression);
        const ConsoleRun run = Console("--sep .", std::string(row.expression) + "\n");
        EXPECT_EQ(Pointer(run.err), row.pointer);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.status, 1);
    }
    // With a comma as separator, the point is the slip; a comma separates no arguments.
    EXPECT_EQ(Pointer(Console("--sep ,", "2.5\n").err),
              "  2.5\n   ^ the decimal separator is ',' (--sep . reads 2.5)\n");
}

TEST(CalcConsole, ErrorsInALongFileNameTheirLine) {
    std::string input;
    for (int i = 1; i <= 50000; ++i)
        input += i == 49999 ? "2**3\n" : "1\n";
    const ConsoleRun run = Console("--sep .", input);
    EXPECT_EQ(run.err.substr(0, 15), "line 49999: err");
    EXPECT_EQ(run.err.find("line ", 1), std::string::npos);
    EXPECT_EQ(run.status, 1);
}

TEST(CalcConsole, DefinesValuesOfItsOwnForTheRestOfTheSession) {
    struct Row {
        const char *input;
        const char *out;
        const char *err; // the first line of it
        int status;
    };
    const Row rows[] = {
        {"x = 2^10\nx+1\nAns\n", "1024\n1025\n1025\n", "", 0},
        {"rate=1,5\t\nrate*2\n", "", "line 1: error: the expression cannot be read", 1},
        {"big_2 = 3\nbig_2*big_2\n", "3\n9\n", "", 0},
        {"n = 5\n", "", "line 1: error: 'n' is a built-in function and cannot be redefined\n", 1},
        {"Pi = 3\nPi\n", "3.14159265359\n",
         "line 1: error: 'Pi' is the calculator's own value and cannot be redefined\n", 1},
        {"Ans = 1\n", "", "line 1: error: 'Ans' is the calculator's own value", 1},
        // A failed definition defines nothing.
        {"y = 1/0\ny\n", "", "line 1: error: division by zero", 1},
        {"2x = 3\n", "", "line 1: error: the expression cannot be read", 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.input);
        const ConsoleRun run = Console("--sep .", row.input);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err.substr(0, std::string(row.err).size()), row.err);
        EXPECT_EQ(run.status, row.status);
    }
    EXPECT_EQ(Console("--sep . 'a = 6' 'a*7'").out, "6\n42\n");
}

TEST(CalcConsole, ReadsExpressionsFromFiles) {
    const TempDir dir;
    const std::string file = dir.path + "/sums.txt";
    std::ofstream(file) << "2+3\n\n1/0\nAns*2\n";
    const ConsoleRun fromFile = Console("--sep . -f '" + file + "'");
    EXPECT_EQ(fromFile.out, "5\n10\n");
    EXPECT_EQ(fromFile.err.substr(0, 15), "line 3: error: ");
    EXPECT_EQ(fromFile.status, 1);
    EXPECT_EQ(Console("--sep . -f -", "6*7\n").out, "42\n");
    EXPECT_EQ(Console("--sep . --file=- -q", "6*7\n").out, "42\n");

    const ConsoleRun missing = Console("-f '" + dir.path + "/none'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("none: No such file or directory"), std::string::npos);
    EXPECT_EQ(Console("-f").status, 2);
    EXPECT_EQ(Console("-f '" + file + "' 2+3").status, 2);

    // A file named where an expression belongs: the message says how to read it.
    const ConsoleRun named = Console("'" + file + "'");
    EXPECT_EQ(named.status, 1);
    EXPECT_NE(named.err.find("is a file; -f " + file + " reads expressions from it"),
              std::string::npos);
}

// Each way of writing results, to a full device, and a long run into a pipe that closes
// with SIGPIPE ignored: one line on standard error and status 2.
TEST(CalcConsole, AFailedWriteIsReportedAndExitsTwo) {
    const TempDir dir;
    const std::string calc = std::string("'") + QUINTARA_CALC_PATH + "' --sep .";
    const std::string input = dir.path + "/lines";
    std::ofstream lines(input);
    for (int i = 0; i < 100000; ++i)
        lines << i << "\n";
    lines.close();
    struct Row {
        std::string command;
        const char *sink;
    };
    const Row rows[] = {
        {calc + " 1 2", ">/dev/full"},
        {calc + " --raw 1/0", ">/dev/full"},
        {calc + " <'" + input + "'", ">/dev/full"},
        {calc + " -f '" + input + "'", ">/dev/full"},
        {calc + " --help", ">/dev/full"},
        {calc + " --functions", ">/dev/full"},
        {calc + " --version", ">/dev/full"},
        // The pipe holds far less than these results.
        {calc + " <'" + input + "'", "| head -c 1 >/dev/null"},
        {calc + " --raw -f '" + input + "'", "| head -c 1 >/dev/null"},
    };
    const std::string status = dir.path + "/status";
    const std::string err = dir.path + "/err";
    for (const Row &row : rows) {
        SCOPED_TRACE(row.command + " " + row.sink);
        std::ofstream script(dir.path + "/run.sh");
        script << "trap '' PIPE\n{ " << row.command << " 2>'" << err << "'; echo $? >'" << status
               << "'; } " << row.sink << "\n";
        script.close();
        ASSERT_EQ(std::system(("sh '" + dir.path + "/run.sh'").c_str()), 0);
        std::ifstream statusIn(status);
        int code = -1;
        statusIn >> code;
        EXPECT_EQ(code, 2);
        std::ifstream errIn(err);
        const std::string message((std::istreambuf_iterator<char>(errIn)),
                                  std::istreambuf_iterator<char>());
        // Reported once, as the last word.
        const std::size_t at = message.find("quintara-calc: cannot write the results: ");
        EXPECT_NE(at, std::string::npos) << message;
        EXPECT_EQ(message.find('\n', at), message.size() - 1) << message;
    }
}

} // namespace
