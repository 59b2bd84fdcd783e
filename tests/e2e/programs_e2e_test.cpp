// Runs the built programs as real processes.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The desktop program's helpers; a build without it has no use for them.
#ifdef TABULIX_GUI_PATH
QProcessEnvironment environmentWithRuntimeDir(const QString &runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tabulix.handover=true"));
    return environment;
}

// Reads a running program's log into `log` until `line` shows up in it.
bool waitForLog(QProcess &program, QString &log, const QString &line)
{
    return QTest::qWaitFor(
        [&] {
            log += QString::fromUtf8(program.readAllStandardError());
            return log.contains(line);
        },
        30000);
}

bool socketFileIn(const QString &runtimeDir)
{
    return !QDir(runtimeDir).entryList({QStringLiteral("tabulix-*")}, QDir::System).isEmpty();
}
#endif

const QString receiving = QStringLiteral("on its own, receiving hand-overs");

} // namespace

TEST(CliE2e, VersionHelpAndUsageErrors)
{
    QProcess cli;
    cli.start(QStringLiteral(TABULIX_CLI_PATH), {QStringLiteral("--version")});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(cli.readAllStandardOutput().startsWith("tabulix-cli "));

    cli.start(QStringLiteral(TABULIX_CLI_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(cli.readAllStandardOutput().contains("--version"));

    cli.start(QStringLiteral(TABULIX_CLI_PATH), {QStringLiteral("--frobnicate")});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_EQ(cli.exitCode(), 2);
    EXPECT_TRUE(cli.readAllStandardError().contains("--frobnicate"));
}

#ifdef TABULIX_GUI_PATH
TEST(SingleInstanceE2e, SecondStartHandsOverItsArgumentsAndEnds)
{
    QTemporaryDir runtime;
    const QProcessEnvironment environment = environmentWithRuntimeDir(runtime.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(TABULIX_GUI_PATH), {});
    QString firstLog;
    ASSERT_TRUE(waitForLog(first, firstLog, receiving)) << firstLog.toStdString();

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(TABULIX_GUI_PATH),
                 {QStringLiteral("/some/file"), QStringLiteral("/with blank/x")});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitForLog(first, firstLog,
                           QStringLiteral("hand-over: ") + QStringLiteral(TABULIX_GUI_PATH) +
                               QStringLiteral(" | /some/file | /with blank/x")))
        << firstLog.toStdString();

    // A start without arguments runs on its own and hands nothing over.
    QProcess third;
    third.setProcessEnvironment(environment);
    third.start(QStringLiteral(TABULIX_GUI_PATH), {});
    QString thirdLog;
    EXPECT_TRUE(waitForLog(third, thirdLog, QStringLiteral("on its own, beside a running start")))
        << thirdLog.toStdString();
    third.kill();
    third.waitForFinished();

    first.kill();
    first.waitForFinished();
    firstLog += QString::fromUtf8(first.readAllStandardError());
    EXPECT_EQ(firstLog.count(QStringLiteral("hand-over:")), 1) << firstLog.toStdString();
}

TEST(SingleInstanceE2e, SocketLeftByACrashedStartDoesNotBlockTheNext)
{
    QTemporaryDir runtime;
    const QProcessEnvironment environment = environmentWithRuntimeDir(runtime.path());

    QProcess crashed;
    crashed.setProcessEnvironment(environment);
    crashed.start(QStringLiteral(TABULIX_GUI_PATH), {});
    QString crashedLog;
    ASSERT_TRUE(waitForLog(crashed, crashedLog, receiving)) << crashedLog.toStdString();
    crashed.kill(); // SIGKILL: the socket file stays behind
    crashed.waitForFinished();
    ASSERT_TRUE(socketFileIn(runtime.path()));

    // A start with arguments finds nobody to hand over to and runs on its own, taking the socket.
    QProcess next;
    next.setProcessEnvironment(environment);
    next.start(QStringLiteral(TABULIX_GUI_PATH), {QStringLiteral("/a")});
    QString nextLog;
    ASSERT_TRUE(waitForLog(next, nextLog, receiving)) << nextLog.toStdString();

    QProcess handOver;
    handOver.setProcessEnvironment(environment);
    handOver.start(QStringLiteral(TABULIX_GUI_PATH), {QStringLiteral("/b")});
    ASSERT_TRUE(handOver.waitForFinished(30000));
    EXPECT_EQ(handOver.exitCode(), 0);
    EXPECT_TRUE(waitForLog(next, nextLog, QStringLiteral(" | /b"))) << nextLog.toStdString();

    next.kill();
    next.waitForFinished();
}
#endif
