// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's command line: --help and --version answer without a display, and a
// display that cannot be opened ends it with one line and status 1.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <gtest/gtest.h>

namespace {

struct GameRun {
    int status = -1;
    QProcess::ExitStatus how = QProcess::CrashExit;
    QString out, err;
};

// Runs the game on the X11 platform with the given display (none when empty).
GameRun RunGame(const QStringList &arguments, const QString &display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(QUINTARA_GAME_PATH), arguments);
    GameRun run;
    if (!game.waitForFinished(60000)) {
        game.kill();
        game.waitForFinished();
        ADD_FAILURE() << "the program did not end";
        return run;
    }
    run = {game.exitCode(), game.exitStatus(), QString::fromLocal8Bit(game.readAllStandardOutput()),
           QString::fromLocal8Bit(game.readAllStandardError())};
    return run;
}

TEST(CommandLine, HelpAndVersionAnswerWithoutOpeningAWindow) {
    const struct {
        QStringList arguments;
        QString expectedStart;
    } rows[] = {
        {{"--version"}, "quintara 1.1.0.0\n"},
        {{"--help"}, "Usage: quintara [--help | --version]\n"},
        {{"-h"}, "Usage: quintara [--help | --version]\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const GameRun run = RunGame(row.arguments, QString());
        EXPECT_EQ(run.how, QProcess::NormalExit);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.startsWith(row.expectedStart)) << run.out.toStdString();
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(RunGame({"--version"}, QString()).out, "quintara 1.1.0.0\n");
}

TEST(CommandLine, WithoutADisplayOneLineAndStatusOne) {
    const struct {
        QString display, expected;
    } rows[] = {
        {"", "quintara: cannot open the display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n"},
        {":4321", "quintara: cannot open the display :4321\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.display.toStdString());
        const GameRun run = RunGame({}, row.display);
        EXPECT_EQ(run.how, QProcess::NormalExit) << "no abort";
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, row.expected);
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
