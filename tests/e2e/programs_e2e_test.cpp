// Runs the built programs as real processes.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment environmentWithRuntimeDir(const QString &runtimeDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tabulix.handover=true"));
    return environment;
}

// Waits until a start has put its hand-over socket into the runtime folder.
bool waitForSocket(const QString &runtimeDir, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (!QDir(runtimeDir).entryList({QStringLiteral("tabulix-*")}, QDir::System).isEmpty())
            return true;
        QThread::msleep(50);
    }
    return false;
}

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
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(waitForSocket(runtime.path(), 15000));
    QThread::msleep(300); // the main window and its receiver follow the socket closely

    QProcess second;
    second.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    second.start(QStringLiteral(TABULIX_GUI_PATH),
                 {QStringLiteral("/some/file"), QStringLiteral("/with blank/x")});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    // A start without arguments runs on its own.
    QProcess third;
    third.setProcessEnvironment(environment);
    third.start(QStringLiteral(TABULIX_GUI_PATH), {});
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_FALSE(third.waitForFinished(1500));
    third.kill();
    third.waitForFinished();

    first.kill();
    first.waitForFinished();
    const QString log = QString::fromUtf8(first.readAllStandardError());
    EXPECT_TRUE(log.contains(QStringLiteral("hand-over: ") + QStringLiteral(TABULIX_GUI_PATH) +
                             QStringLiteral(" | /some/file | /with blank/x")))
        << log.toStdString();
}

TEST(SingleInstanceE2e, SocketLeftByACrashedStartDoesNotBlockTheNext)
{
    QTemporaryDir runtime;
    const QProcessEnvironment environment = environmentWithRuntimeDir(runtime.path());

    QProcess crashed;
    crashed.setProcessEnvironment(environment);
    crashed.start(QStringLiteral(TABULIX_GUI_PATH), {});
    ASSERT_TRUE(waitForSocket(runtime.path(), 15000));
    crashed.kill(); // SIGKILL: the socket file stays behind
    crashed.waitForFinished();
    ASSERT_TRUE(waitForSocket(runtime.path(), 100));

    // A start with arguments finds nobody to hand over to and runs on its own, taking the socket.
    QProcess next;
    next.setProcessEnvironment(environment);
    next.start(QStringLiteral(TABULIX_GUI_PATH), {QStringLiteral("/a")});
    EXPECT_FALSE(next.waitForFinished(2500));

    QProcess handOver;
    handOver.setProcessEnvironment(environment);
    handOver.start(QStringLiteral(TABULIX_GUI_PATH), {QStringLiteral("/b")});
    ASSERT_TRUE(handOver.waitForFinished(5000));
    EXPECT_EQ(handOver.exitCode(), 0);

    next.kill();
    next.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(next.readAllStandardError()).contains(QStringLiteral(" | /b")));
}
#endif
