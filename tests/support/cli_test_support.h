#pragma once
// tabulix-cli as a real process: its exit code and both of its streams.
#include "python_json.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A process set up like every run of the tests: the locale and zone pinned, started in folder.
inline void prepareCli(QProcess &cli, const QString &folder,
                       const QString &locale = QStringLiteral("de_DE.UTF-8"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(folder);
}

// Home and configuration folder of the run below `home`, so that it meets no start
// configuration of the user or of an earlier run.
inline void giveHome(QProcess &cli, const QString &home)
{
    QProcessEnvironment environment = cli.processEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    cli.setProcessEnvironment(environment);
}

// Starts the program (tabulix-cli unless another one runs it) and waits for its end.
inline CliRun finishCli(QProcess &cli, const QStringList &arguments,
                        const QString &program = QStringLiteral(TABULIX_CLI_PATH))
{
    cli.start(program, arguments);
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}

inline CliRun runCli(const QStringList &arguments, const QString &folder,
                     const QString &locale = QStringLiteral("de_DE.UTF-8"))
{
    QProcess cli;
    prepareCli(cli, folder, locale);
    return finishCli(cli, arguments);
}

// "--set A --set B ..." for the assignments.
inline QStringList withSets(const QStringList &assignments)
{
    QStringList arguments;
    for (const QString &assignment : assignments)
        arguments << QStringLiteral("--set") << assignment;
    return arguments;
}
