// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The console at a terminal, driven through tmux as a person would type: the prompt, history
// recall, Tab completion, Ctrl-C, history kept across sessions, and hostile input.
#include "ConsoleTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string Run(const std::string &command) {
    std::string out;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[4096];
    for (std::size_t n = 0; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    pclose(pipe);
    return out;
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One console in a tmux session of its own, 100 columns wide.
class Terminal {
  public:
    // environment: NAME=value words for the console, which starts without XDG_STATE_HOME.
    // Its exit status is written to a file, and the pane stays open so its screen can be read.
    // program: what runs in place of the console, such as a shell that starts it.
    Terminal(const std::string &dir, const std::string &arguments, const std::string &environment,
             const std::string &program = QUINTARA_CALC_PATH)
        : number_(++sessions_), tmux_(std::string("'") + TMUX_PATH + "' -S '" + dir + "/tmux" +
                                      std::to_string(number_) + ".sock' -f /dev/null "),
          statusFile_(dir + "/status" + std::to_string(number_)) {
        Run(tmux_ + "new-session -d -x 100 -y 40 \"env -u XDG_STATE_HOME LANG=C.UTF-8 " +
            "INPUTRC=/dev/null " + environment + " '" + program + "' " + arguments +
            "; echo \\$? >'" + statusFile_ +
            "'; exec sleep 600\" \\; set-option -g history-limit 5000");
    }
    ~Terminal() { Run(tmux_ + "kill-server 2>/dev/null"); }
    Terminal(const Terminal &) = delete;
    Terminal &operator=(const Terminal &) = delete;

    void Keys(const std::string &keys) { Run(tmux_ + "send-keys " + keys); }
    void Paste(const std::string &path) {
        Run(tmux_ + "load-buffer '" + path + "' \\; paste-buffer -p -d");
    }
    std::vector<std::string> Screen() { return Lines(Run(tmux_ + "capture-pane -p -J -S -")); }
    std::string LastLine() {
        const std::vector<std::string> lines = Screen();
        return lines.empty() ? std::string() : lines.back();
    }
    // The exit status once the console has ended, else -1.
    int ExitStatus() {
        const std::string status = ReadFile(statusFile_);
        return status.empty() || status.back() != '\n' ? -1 : std::stoi(status);
    }
    int Count(const std::string &line) {
        int n = 0;
        for (const std::string &l : Screen())
            n += l == line ? 1 : 0;
        return n;
    }

    // Waits, with a generous deadline for slow builds, until the screen satisfies what. A
    // control key is sent only once the prompt is back: while a line is evaluated the
    // terminal is in its ordinary mode, where Ctrl-D means end of input.
    bool WaitFor(const std::function<bool()> &what) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!what()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    }
    bool WaitForLast(const std::string &line) {
        return WaitFor([&] { return LastLine() == line; });
    }
    bool WaitForCount(const std::string &line, int count) {
        return WaitFor([&] { return Count(line) == count; });
    }
    bool WaitForExit() {
        return WaitFor([&] { return ExitStatus() >= 0; });
    }

  private:
    static inline int sessions_ = 0;
    int number_;
    std::string tmux_;
    std::string statusFile_;
};

std::string Dump(Terminal &terminal) {
    std::string text;
    for (const std::string &line : terminal.Screen())
        text += line + "\n";
    return text;
}

TEST(CalcConsoleAtATerminal, RecallsCompletesAndKeepsHistoryAcrossSessions) {
    const TempDir dir;
    const std::string environment = "XDG_STATE_HOME=" + dir.path + "/state HOME=" + dir.path;
    {
        Terminal terminal(dir.path, "--sep .", environment);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("2+3 Enter");
        ASSERT_TRUE(terminal.WaitForCount("5", 1)) << Dump(terminal);
        terminal.Keys("Up");
        ASSERT_TRUE(terminal.WaitForLast("> 2+3")) << Dump(terminal);
        terminal.Keys("Enter");
        ASSERT_TRUE(terminal.WaitForCount("5", 2)) << Dump(terminal);
        terminal.Keys("sq Tab");
        ASSERT_TRUE(terminal.WaitForLast("> sqrt(")) << Dump(terminal);
        terminal.Keys("'16)' Enter");
        ASSERT_TRUE(terminal.WaitForCount("4", 1)) << Dump(terminal);
        // Theta exists once RTP has stored it.
        terminal.Keys("'RTP(3;4)' Enter");
        ASSERT_TRUE(terminal.WaitForCount("5", 3)) << Dump(terminal);
        terminal.Keys("The Tab");
        ASSERT_TRUE(terminal.WaitForLast("> Theta")) << Dump(terminal);
        terminal.Keys("Enter");
        ASSERT_TRUE(terminal.WaitForCount("0.927295218002", 1)) << Dump(terminal);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("C-d");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
        EXPECT_EQ(terminal.ExitStatus(), 0);
        const std::vector<std::string> expected = {
            "> 2+3", "5",       "> 2+3",          "5", "> sqrt(16)", "4", "> RTP(3;4)",
            "5",     "> Theta", "0.927295218002", ">"};
        std::vector<std::string> screen = terminal.Screen();
        ASSERT_FALSE(screen.empty());
        screen.erase(screen.begin()); // the greeting
        EXPECT_EQ(screen, expected);
    }
    EXPECT_EQ(ReadFile(dir.path + "/state/quintara/calc_history"),
              "2+3\nsqrt(16)\nRTP(3;4)\nTheta\n");
    {
        Terminal terminal(dir.path, "--sep .", environment);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("Up Up");
        ASSERT_TRUE(terminal.WaitForLast("> RTP(3;4)")) << Dump(terminal);
        terminal.Keys("Enter");
        ASSERT_TRUE(terminal.WaitForCount("5", 1)) << Dump(terminal);
        terminal.Keys("1/0 Enter quit Enter");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
        EXPECT_EQ(terminal.ExitStatus(), 1);
        EXPECT_EQ(terminal.Count("error: division by zero (errDivisionByZero): Division med noll."),
                  1);
    }
    EXPECT_EQ(ReadFile(dir.path + "/state/quintara/calc_history"),
              "2+3\nsqrt(16)\nRTP(3;4)\nTheta\nRTP(3;4)\n1/0\nquit\n");
}

TEST(CalcConsoleAtATerminal, FallsBackToTheHomeStateDirectoryAndHonoursNoHistory) {
    const TempDir dir;
    {
        Terminal terminal(dir.path, "", "HOME=" + dir.path);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("6*7 Enter");
        ASSERT_TRUE(terminal.WaitForCount("42", 1)) << Dump(terminal);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("C-d");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
    }
    EXPECT_EQ(ReadFile(dir.path + "/.local/state/quintara/calc_history"), "6*7\n");
    const TempDir empty;
    {
        Terminal terminal(dir.path, "--no-history",
                          "XDG_STATE_HOME=" + empty.path + " HOME=" + empty.path);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("6*7 Enter");
        ASSERT_TRUE(terminal.WaitForCount("42", 1)) << Dump(terminal);
        terminal.Keys("Up");
        // Nothing to recall from earlier sessions, and nothing written.
        ASSERT_TRUE(terminal.WaitForLast("> 6*7")) << Dump(terminal);
        terminal.Keys("C-u C-d");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
        EXPECT_EQ(terminal.ExitStatus(), 0);
    }
    EXPECT_TRUE(std::filesystem::is_empty(empty.path));
}

TEST(CalcConsoleAtATerminal, CtrlCDropsTheLineBeingTyped) {
    const TempDir dir;
    Terminal terminal(dir.path, "--no-history", "HOME=" + dir.path);
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    terminal.Keys("123");
    ASSERT_TRUE(terminal.WaitForLast("> 123")) << Dump(terminal);
    terminal.Keys("C-c");
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    terminal.Keys("4 Enter");
    ASSERT_TRUE(terminal.WaitForCount("4", 1)) << Dump(terminal);
    EXPECT_EQ(terminal.Count("> 123^C"), 1);
    EXPECT_EQ(terminal.Count("1234"), 0);
    EXPECT_EQ(terminal.ExitStatus(), -1);
}

TEST(CalcConsoleAtATerminal, EvaluatesEachLineOfAPastedBlock) {
    const TempDir dir;
    Terminal terminal(dir.path, "--sep .", "XDG_STATE_HOME=" + dir.path + "/state");
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    const std::string block = dir.path + "/block";
    std::ofstream(block) << "1+1\n\n2*Ans\r\n";
    terminal.Paste(block);
    terminal.Keys("Enter");
    ASSERT_TRUE(terminal.WaitForCount("4", 1)) << Dump(terminal);
    EXPECT_EQ(terminal.Count("2"), 1);
    EXPECT_EQ(ReadFile(dir.path + "/state/quintara/calc_history"), "1+1\n2*Ans\n");
}

// Input that no person types never crashes the line editor, and the session goes on.
TEST(CalcConsoleAtATerminal, SurvivesHostileInput) {
    const TempDir dir;
    Terminal terminal(dir.path, "--sep .", "XDG_STATE_HOME=" + dir.path + "/state");
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    const std::string longLine = dir.path + "/long";
    std::ofstream(longLine) << std::string(99999, ' ') << '9';
    terminal.Paste(longLine);
    terminal.Keys("Enter");
    ASSERT_TRUE(terminal.WaitForCount("9", 1)) << Dump(terminal);
    const std::string invalid = dir.path + "/invalid";
    std::ofstream(invalid) << "\xFF\xFE"
                              "1+1";
    terminal.Paste(invalid);
    terminal.Keys("Enter");
    ASSERT_TRUE(terminal.WaitFor([&] {
        for (const std::string &line : terminal.Screen())
            if (line.rfind("error: ", 0) == 0)
                return true;
        return false;
    })) << Dump(terminal);
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    terminal.Keys("C-@ 6*7 C-@ Enter");
    ASSERT_TRUE(terminal.WaitForCount("42", 1)) << Dump(terminal);
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    terminal.Keys("C-d");
    ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
    EXPECT_EQ(terminal.ExitStatus(), 1);
    // The long line is kept whole in the history file.
    const std::string history = ReadFile(dir.path + "/state/quintara/calc_history");
    EXPECT_EQ(history.substr(0, 100000), std::string(99999, ' ') + '9');
}

// The word that ends a session must keep ending it.
TEST(CalcConsoleAtATerminal, ExitAndQuitEndTheSession) {
    for (const char *word : {"exit", "quit", "' exit '"}) {
        SCOPED_TRACE(word);
        const TempDir dir;
        Terminal terminal(dir.path, "--no-history", "HOME=" + dir.path);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys(std::string(word) + " Enter");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
        EXPECT_EQ(terminal.ExitStatus(), 0);
    }
}

// At the prompt a failed line still shows the value the game would take, then the message
// with the place; values of one's own last for the session; -q leaves out the greeting.
TEST(CalcConsoleAtATerminal, PointsAtMistakesAndKeepsOwnValues) {
    const TempDir dir;
    Terminal terminal(dir.path, "--no-history -q --sep .", "HOME=" + dir.path);
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    EXPECT_EQ(terminal.Screen().size(), 1u) << Dump(terminal);
    terminal.Keys("'max(1,2)' Enter");
    ASSERT_TRUE(terminal.WaitForCount("       ^ arguments are separated by ';', not ','", 1))
        << Dump(terminal);
    terminal.Keys("'w = 6' Enter 'w*7' Enter");
    ASSERT_TRUE(terminal.WaitForCount("42", 1)) << Dump(terminal);
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    const std::vector<std::string> expected = {
        "> max(1,2)",
        "0",
        "error: the expression cannot be read; check its syntax (errUnknown): Ett ok\xC3\xA4nt "
        "fel intr\xC3\xA4"
        "ffade vid ber\xC3\xA4kning av uttrycket. Kontrollera syntaxen.",
        "  max(1,2)",
        "       ^ arguments are separated by ';', not ','",
        "> w = 6",
        "6",
        "> w*7",
        "42",
        ">"};
    EXPECT_EQ(terminal.Screen(), expected);
}

// "quintara-calc | tee log": each result reaches the pipe when its line is entered.
TEST(CalcConsoleAtATerminal, ResultsReachAPipeAtOnce) {
    const TempDir dir;
    const std::string log = dir.path + "/log";
    Terminal terminal(dir.path, "--no-history --sep . | tee '" + log + "'", "HOME=" + dir.path);
    ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
    terminal.Keys("1+1 Enter");
    ASSERT_TRUE(terminal.WaitFor([&] { return ReadFile(log) == "2\n"; })) << ReadFile(log);
    terminal.Keys("2+2 Enter");
    ASSERT_TRUE(terminal.WaitFor([&] { return ReadFile(log) == "2\n4\n"; })) << ReadFile(log);
    terminal.Keys("help Enter");
    ASSERT_TRUE(terminal.WaitFor([&] { return ReadFile(log).size() > 100; })) << ReadFile(log);
    terminal.Keys("exit Enter");
    ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
}

// Ctrl-Z and fg in a shell with job control: the prompt and the line come back, and Up,
// Tab and typing work at once.
TEST(CalcConsoleAtATerminal, CtrlZAndFgLeaveEditingWorking) {
    const TempDir dir;
    Terminal shell(dir.path, "--norc --noprofile -i", "HOME=" + dir.path + " PS1='$ '", "bash");
    ASSERT_TRUE(shell.WaitForLast("$")) << Dump(shell);
    shell.Keys(std::string("\"'") + QUINTARA_CALC_PATH + "' -q --sep .\" Enter");
    ASSERT_TRUE(shell.WaitForLast(">")) << Dump(shell);
    shell.Keys("2+3 Enter 1+");
    ASSERT_TRUE(shell.WaitForLast("> 1+")) << Dump(shell);
    shell.Keys("C-z");
    ASSERT_TRUE(shell.WaitForLast("$")) << Dump(shell);
    shell.Keys("fg Enter");
    ASSERT_TRUE(shell.WaitForLast("> 1+")) << Dump(shell);
    shell.Keys("2 Enter");
    ASSERT_TRUE(shell.WaitForCount("3", 1)) << Dump(shell);
    shell.Keys("Up Up");
    ASSERT_TRUE(shell.WaitForLast("> 2+3")) << Dump(shell);
    shell.Keys("C-u sq Tab");
    ASSERT_TRUE(shell.WaitForLast("> sqrt(")) << Dump(shell);
    shell.Keys("'9)' Enter");
    ASSERT_TRUE(shell.WaitForCount("3", 2)) << Dump(shell);
    EXPECT_EQ(shell.Count("> 1+2"), 1) << Dump(shell);
    shell.Keys("C-d");
    ASSERT_TRUE(shell.WaitForLast("$")) << Dump(shell);
}

// The history file holds whole lines only: a write that does not fit (here a file size
// limit, as a full disk) is undone and reported once, and a last line that lacks its
// newline gets one before the next line.
TEST(CalcConsoleAtATerminal, HistoryNeverHoldsATornLine) {
    const TempDir dir;
    const std::string history = dir.path + "/state/quintara/calc_history";
    std::filesystem::create_directories(dir.path + "/state/quintara");
    std::string earlier;
    for (int i = 0; i < 252; ++i)
        earlier += "1+1\n";
    earlier += "7\n"; // 1,010 bytes: 14 below the limit of 1,024
    std::ofstream(history) << earlier;
    const std::string limited = dir.path + "/limited";
    // bash counts the limit in KiB.
    std::ofstream(limited) << "trap '' XFSZ\nulimit -f 1\nexec '" << QUINTARA_CALC_PATH
                           << "' \"$@\"\n";
    const std::string environment = "XDG_STATE_HOME=" + dir.path + "/state";
    {
        Terminal terminal(dir.path, "'" + limited + "' --sep .", environment, "bash");
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("123456789+123456789 Enter");
        ASSERT_TRUE(terminal.WaitForCount("246913578", 1)) << Dump(terminal);
        terminal.Keys("2+2 Enter 3+3 Enter");
        ASSERT_TRUE(terminal.WaitForCount("6", 1)) << Dump(terminal);
        terminal.Keys("C-d");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
        int warnings = 0;
        for (const std::string &line : terminal.Screen())
            warnings += line.rfind("quintara-calc: cannot write the history file", 0) == 0;
        EXPECT_EQ(warnings, 1) << Dump(terminal);
    }
    // The two short lines fit in the 14 bytes, the long one is gone whole.
    EXPECT_EQ(ReadFile(history), earlier + "2+2\n3+3\n");

    std::ofstream(history) << "2+2"; // left without its newline
    {
        Terminal terminal(dir.path, "--sep .", environment);
        ASSERT_TRUE(terminal.WaitForLast(">")) << Dump(terminal);
        terminal.Keys("7+7 Enter");
        ASSERT_TRUE(terminal.WaitForCount("14", 1)) << Dump(terminal);
        terminal.Keys("C-d");
        ASSERT_TRUE(terminal.WaitForExit()) << Dump(terminal);
    }
    EXPECT_EQ(ReadFile(history), "2+2\n7+7\n");
}

} // namespace
