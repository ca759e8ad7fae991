// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs readline through its callback interface, so that Ctrl-C at the prompt drops the line
// being typed instead of ending the program, while Ctrl-C during a long evaluation still
// stops it, and so that Ctrl-Z hands the terminal back in its own state.
#include "tools/Interactive.h"

#include "calc/CalcVars.h"
#include "tools/Reference.h"

// readline's headers use FILE without including <cstdio> themselves.
#include <cstdio>

#include <readline/history.h>
#include <readline/readline.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tools {

namespace {

constexpr int kHistoryLimit = 1000;
constexpr const char *kPrompt = "> ";
// Every character that cannot be part of a name ends the word to complete.
constexpr const char *kWordBreaks = " \t\n\"'`!#$%&()*+,-./:;<=>?@[\\]^{|}~";

volatile std::sig_atomic_t interrupted = 0;
volatile std::sig_atomic_t resized = 0;
volatile std::sig_atomic_t suspended = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

void OnResize(int) {
    resized = 1;
}

void OnSuspend(int) {
    suspended = 1;
}

// readline's callbacks carry no context of their own.
struct Terminal {
    Session *session = nullptr;
    std::string historyPath;
    bool historyWarned = false;
    bool done = false;
    sigset_t interrupt{};
    sigset_t handledSignals{}; // blocked but while waiting for a key
    struct sigaction onInterrupt {};
    struct sigaction onResize {};
    struct sigaction onSuspend {};
};
Terminal terminal;

std::vector<std::string> pendingMatches;
std::size_t nextMatch = 0;

char *NextCompletion(const char *text, int state) {
    if (state == 0) {
        pendingMatches = CompletionsFor(text);
        nextMatch = 0;
    }
    if (nextMatch >= pendingMatches.size())
        return nullptr;
    return strdup(pendingMatches[nextMatch++].c_str()); // readline frees it
}

char **Complete(const char *text, int, int) {
    rl_attempted_completion_over = 1; // names only, never file names
    rl_completion_append_character = '\0';
    return rl_completion_matches(text, NextCompletion);
}

bool MakeDirectories(const std::string &path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

void WarnAboutHistory(const char *what) {
    if (terminal.historyWarned)
        return;
    terminal.historyWarned = true;
    std::fprintf(stderr, "quintara-calc: cannot %s the history file %s: %s\n", what,
                 terminal.historyPath.c_str(), std::strerror(errno));
}

void LoadHistory() {
    stifle_history(kHistoryLimit);
    if (terminal.historyPath.empty())
        return;
    // Keeps the file from growing without end.
    history_truncate_file(terminal.historyPath.c_str(), kHistoryLimit);
    const int error = read_history(terminal.historyPath.c_str());
    if (error != 0 && error != ENOENT) {
        errno = error;
        WarnAboutHistory("read");
    }
}

// Appends line to the history file in one write, so that sessions writing at once do not
// mix their lines. The file only ever holds whole lines: a short write (a full disk) is
// undone, and a last line without its newline, left by some other writer, gets one first.
// Returns 0 or the errno of the failure.
int AppendToHistory(const std::string &path, const std::string &line) {
    int fd = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0 && errno == ENOENT && MakeDirectories(path.substr(0, path.rfind('/'))))
        fd = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    struct stat before {};
    if (fstat(fd, &before) != 0) {
        const int error = errno;
        close(fd);
        return error;
    }
    std::string text = line + '\n';
    char last = '\n';
    if (before.st_size > 0 && pread(fd, &last, 1, before.st_size - 1) == 1 && last != '\n')
        text.insert(text.begin(), '\n');
    const ssize_t written = write(fd, text.data(), text.size());
    int error = 0;
    if (written != static_cast<ssize_t>(text.size())) {
        error = written < 0 ? errno : ENOSPC;
        struct stat after {};
        // Only what this write added is taken away.
        if (written > 0 && fstat(fd, &after) == 0 && after.st_size == before.st_size + written &&
            ftruncate(fd, before.st_size) != 0)
            error = errno;
    }
    if (close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// Adds the line unless it repeats the one before, and appends it to the file at once, so
// that a closed terminal loses nothing.
void Remember(const std::string &line) {
    const HIST_ENTRY *last =
        history_length > 0 ? history_get(history_base + history_length - 1) : nullptr;
    if (last != nullptr && line == last->line)
        return;
    add_history(line.c_str());
    if (terminal.historyPath.empty())
        return;
    if (const int error = AppendToHistory(terminal.historyPath, line); error != 0) {
        errno = error;
        WarnAboutHistory("write");
    }
}

std::string Trimmed(const std::string &line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// A long evaluation cannot be cut short: Ctrl-C during it ends the program, as it would
// any command that computes.
void Evaluate(const std::string &line) {
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigaction(SIGINT, &byDefault, nullptr);
    sigprocmask(SIG_UNBLOCK, &terminal.interrupt, nullptr);
    terminal.session->EvaluateAndPrint(line);
    sigprocmask(SIG_BLOCK, &terminal.interrupt, nullptr);
    sigaction(SIGINT, &terminal.onInterrupt, nullptr);
}

// Returns false when the line ends the session.
bool HandleLine(const std::string &line) {
    const std::string word = Trimmed(line);
    if (word.empty())
        return true;
    Remember(line);
    if (word == "quit" || word == "exit")
        return false;
    if (word == "help" || word == "functions")
        terminal.session->Print(word == "help" ? InteractiveHelpText() : FunctionTable());
    else
        Evaluate(line);
    // Results that can no longer be written end the session.
    return !terminal.session->WriteFailed();
}

void OnLine(char *typed) {
    if (typed == nullptr) { // Ctrl-D on an empty line
        std::fputc('\n', rl_outstream);
        terminal.done = true;
        rl_callback_handler_remove();
        return;
    }
    const std::string text = typed;
    std::free(typed);
    // A pasted block arrives as one line with its line breaks in it: each of its lines
    // counts on its own.
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        if (!HandleLine(text.substr(start, end - start))) {
            terminal.done = true;
            rl_callback_handler_remove();
            return;
        }
        start = end + 1;
    }
}

// Ctrl-C at the prompt: the line typed so far is dropped and a fresh prompt appears.
void DropLine() {
    rl_callback_sigcleanup();
    rl_point = rl_end;
    rl_redisplay();
    std::fputs("^C\n", rl_outstream);
    rl_replace_line("", 1);
    using_history();
    rl_on_new_line();
    rl_redisplay();
}

// Ctrl-Z at the prompt: the terminal gets back the state the shell gave it, the program
// stops, and once it continues the terminal is set up again and the line redrawn.
void Suspend() {
    rl_cleanup_after_signal();
    std::fputc('\n', rl_outstream);
    std::fflush(rl_outstream);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigaction(SIGTSTP, &byDefault, nullptr);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    raise(SIGTSTP);
    // The stop takes effect here and the program goes on from here after "fg".
    sigprocmask(SIG_UNBLOCK, &stop, nullptr);
    sigprocmask(SIG_BLOCK, &stop, nullptr);
    sigaction(SIGTSTP, &terminal.onSuspend, nullptr);
    rl_reset_after_signal();
    rl_on_new_line();
    rl_forced_update_display();
}

} // namespace

std::string HistoryPath() {
    const char *state = std::getenv("XDG_STATE_HOME");
    // Relative paths in XDG variables are to be ignored.
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/quintara/calc_history";
    const char *home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd *user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/')
        return {};
    return std::string(home) + "/.local/state/quintara/calc_history";
}

std::vector<std::string> CompletionsFor(const std::string &prefix) {
    std::vector<std::string> names;
    for (const BuiltinInfo &builtin : Builtins())
        if (std::strncmp(builtin.Name, prefix.c_str(), prefix.size()) == 0)
            names.push_back(std::string(builtin.Name) + "(");
    for (const calc::TVarData &named : calc::Variables)
        if (named.Name.compare(0, prefix.size(), prefix) == 0)
            names.push_back(named.Name);
    return names;
}

void RunInteractive(Session &session, bool keepHistory, bool quiet) {
    std::setlocale(LC_CTYPE, "");
    terminal.session = &session;
    terminal.historyPath = keepHistory ? HistoryPath() : std::string();
    rl_readline_name = "quintara-calc";
    rl_outstream = isatty(STDOUT_FILENO) ? stdout : stderr;
    rl_attempted_completion_function = Complete;
    rl_completer_word_break_characters = const_cast<char *>(kWordBreaks);
    rl_catch_signals = 0;
    rl_catch_sigwinch = 0;
    LoadHistory();

    // These signals arrive only while the loop waits for a key, where it handles them.
    sigemptyset(&terminal.interrupt);
    sigaddset(&terminal.interrupt, SIGINT);
    terminal.handledSignals = terminal.interrupt;
    sigaddset(&terminal.handledSignals, SIGWINCH);
    sigaddset(&terminal.handledSignals, SIGTSTP);
    sigset_t waiting;
    sigprocmask(SIG_BLOCK, &terminal.handledSignals, &waiting);
    sigdelset(&waiting, SIGINT);
    sigdelset(&waiting, SIGWINCH);
    sigdelset(&waiting, SIGTSTP);
    terminal.onInterrupt.sa_handler = OnInterrupt;
    sigemptyset(&terminal.onInterrupt.sa_mask);
    struct sigaction previous {};
    sigaction(SIGINT, &terminal.onInterrupt, &previous);
    terminal.onResize.sa_handler = OnResize;
    sigemptyset(&terminal.onResize.sa_mask);
    struct sigaction previousResize {};
    sigaction(SIGWINCH, &terminal.onResize, &previousResize);
    terminal.onSuspend.sa_handler = OnSuspend;
    sigemptyset(&terminal.onSuspend.sa_mask);
    struct sigaction previousSuspend {};
    sigaction(SIGTSTP, &terminal.onSuspend, &previousSuspend);

    if (!quiet)
        std::fprintf(rl_outstream,
                     "quintara-calc %s - 'help' explains the language, Ctrl-D quits.\n", Version());
    rl_callback_handler_install(kPrompt, OnLine);
    while (!terminal.done) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        const int ready = ppoll(&input, 1, nullptr, &waiting);
        if (ready < 0 && errno == EINTR) {
            if (resized != 0) {
                resized = 0;
                rl_resize_terminal();
            }
            if (interrupted != 0) {
                interrupted = 0;
                DropLine();
            }
            if (suspended != 0) {
                suspended = 0;
                Suspend();
            }
            continue;
        }
        if (ready < 0)
            break;
        rl_callback_read_char();
    }
    if (!terminal.done)
        rl_callback_handler_remove();
    clear_history();
    sigaction(SIGINT, &previous, nullptr);
    sigaction(SIGWINCH, &previousResize, nullptr);
    sigaction(SIGTSTP, &previousSuspend, nullptr);
    sigprocmask(SIG_UNBLOCK, &terminal.handledSignals, nullptr);
    session.Flush();
}

} // namespace tools
