// What tabulix-cli tells by its exit code and its standard error: usage, paths that cannot be
// read, output that cannot be written, and nothing from the libraries below it.
#include "cli_test_support.h"
#include "collect_test_support.h"
#include "file_write_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString unit = QStringLiteral("PBCB.act_size_einheit");

// A folder "liste" with one file, in a temporary folder that every user may enter.
struct ListFolder {
    ListFolder()
    {
        makeFile(root.filePath(QStringLiteral("liste/a.txt")), "a");
        QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFileDevice::ExeOther |
                                               QFileDevice::ReadOther);
    }
    QString path(const char *name) const { return root.filePath(QString::fromUtf8(name)); }
    QTemporaryDir root;
};

} // namespace

TEST(CliExitCodes, FailedWritesToStandardOutputEndWithOne)
{
    ListFolder folder;
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("liste")}, QStringList{QStringLiteral("--help")},
          QStringList{QStringLiteral("--list-settings")}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        QProcess full;
        prepareCli(full, folder.root.path());
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        const CliRun run = finishCli(full, arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.startsWith("tabulix-cli: cannot write to standard output: "))
            << run.err.constData();
    }
    QProcess closed;
    prepareCli(closed, folder.root.path());
    closed.setChildProcessModifier([] { close(STDOUT_FILENO); });
    const CliRun run = finishCli(closed, {QStringLiteral("liste")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("tabulix-cli: cannot write to standard output: ")) << run.err.constData();
}

TEST(CliExitCodes, PathsNamingNothingAreReportedAndTheRestIsListed)
{
    ListFolder folder;
    CliRun run = runCli({QStringLiteral("fehlt"), QStringLiteral("liste"), QStringLiteral("auch/fehlt")},
                        folder.root.path());
    EXPECT_EQ(run.exitCode, 1);
    const QList<QByteArray> lines = run.err.split('\n');
    ASSERT_EQ(lines.size(), 3) << run.err.constData();
    EXPECT_TRUE(lines[0].startsWith("tabulix-cli: cannot access 'fehlt': ")) << lines[0].constData();
    EXPECT_TRUE(lines[1].startsWith("tabulix-cli: cannot access 'auch/fehlt': ")) << lines[1].constData();
    EXPECT_TRUE(run.out.contains("\na.txt")) << run.out.constData();

    // Nothing named at all: no table, and a file of -o keeps what it had.
    const QString output = makeFile(folder.path("alt.txt"), "vorher");
    run = runCli({QStringLiteral("-o"), output, QStringLiteral("fehlt")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(contentOf(output), "vorher");
    run = runCli({QStringLiteral("fehlt")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.constData();

    run = runCli({QStringLiteral("-o"), output, QStringLiteral("liste")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    EXPECT_TRUE(contentOf(output).contains("a.txt"));
}

// Root reads every folder, so the run drops to the unprivileged user "nobody" when the tests run
// as root.
TEST(CliExitCodes, FoldersAndFilesThatCannotBeReadAreReportedAndTheWalkGoesOn)
{
    ListFolder folder;
    makeFile(folder.path("liste/zu/geheim.txt"), "g");
    makeFile(folder.path("liste/ohne_x/versteckt.txt"), "v");
    ASSERT_EQ(chmod(qPrintable(folder.path("liste/zu")), 0), 0);
    ASSERT_EQ(chmod(qPrintable(folder.path("liste/ohne_x")), 0644), 0);
    const auto restore = qScopeGuard([&folder] {
        chmod(qPrintable(folder.path("liste/zu")), 0755);
        chmod(qPrintable(folder.path("liste/ohne_x")), 0755);
    });

    QStringList command;
    if (geteuid() == 0)
        command = {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                   QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                   QStringLiteral(TABULIX_CLI_PATH)};
    else
        command = {QStringLiteral(TABULIX_CLI_PATH)};
    const auto run = [&](const QStringList &arguments) {
        QProcess cli;
        prepareCli(cli, folder.root.path());
        return finishCli(cli, command.mid(1) + arguments, command.first());
    };
    if (run({QStringLiteral("--version")}).exitCode != 0)
        GTEST_SKIP() << "the program cannot be run as an unprivileged user here";

    const CliRun listed = run({QStringLiteral("liste")});
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_TRUE(listed.err.contains("tabulix-cli: cannot access 'liste/zu': ")) << listed.err.constData();
    EXPECT_TRUE(listed.err.contains("tabulix-cli: cannot access 'liste/ohne_x/versteckt.txt': "))
        << listed.err.constData();
    EXPECT_EQ(listed.err.count('\n'), 2) << listed.err.constData();
    EXPECT_TRUE(listed.out.contains("\na.txt")) << listed.out.constData();
    EXPECT_FALSE(listed.out.contains("geheim"));
}

TEST(CliUsage, DoubleDashEndsTheOptionsAndOutputNeedsAName)
{
    ListFolder folder;
    makeFile(folder.path("-o"), "o");
    makeFile(folder.path("-reverse"), "p");
    CliRun run =
        runCli({QStringLiteral("--"), QStringLiteral("-o"), QStringLiteral("-reverse")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("\n-o ")) << run.out.constData();
    EXPECT_TRUE(run.out.contains("\n-reverse ")) << run.out.constData();
    run = runCli({QStringLiteral("-o")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 2);

    run = runCli({QStringLiteral("-o"), QString(), QStringLiteral("liste")}, folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("tabulix-cli: -o needs a file name\n")) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CliUsage, LibraryWarningsShowOnlyWhenVerbose)
{
    ListFolder folder;
    const auto run = [&folder](const QStringList &arguments) {
        QProcess cli;
        prepareCli(cli, folder.root.path());
        QProcessEnvironment environment = cli.processEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        cli.setProcessEnvironment(environment);
        return finishCli(cli, arguments);
    };
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("liste")},
          QStringList{QStringLiteral("--format"), QStringLiteral("htm"), QStringLiteral("liste")}}) {
        const CliRun quiet = run(arguments);
        EXPECT_EQ(quiet.exitCode, 0);
        EXPECT_EQ(quiet.err, QByteArray()) << arguments.join(u' ').toStdString();
    }
    const CliRun verbose = run({QStringLiteral("--verbose"), QStringLiteral("liste")});
    EXPECT_EQ(verbose.exitCode, 0);
    EXPECT_TRUE(verbose.err.contains("XDG_RUNTIME_DIR")) << verbose.err.constData();
}

TEST(CliUsage, FixedListsTakeTheirItemsAndUnknownKeysNameOnlyNearOnes)
{
    ListFolder folder;
    CliRun run = runCli({QStringLiteral("--set"), unit + QStringLiteral("=XB"), QStringLiteral("liste")},
                        folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("\"Byte\", \"KB\", \"MB\", \"GB\", \"TB\"")) << run.err.constData();
    run = runCli({QStringLiteral("--set"), QStringLiteral("PBCB.out_format=pdf"), QStringLiteral("liste")},
                 folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("\"Textdatei (*.txt)\"")) << run.err.constData();
    run = runCli({QStringLiteral("--set"), unit + QStringLiteral("=MB"), QStringLiteral("--set"),
                  QStringLiteral("PBCB.des_tab_z= | "), QStringLiteral("liste")},
                 folder.root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains(" MB")) << run.out.constData();

    run = runCli({QStringLiteral("--set"), QStringLiteral("PBCB.act_pfad=1"), QStringLiteral("liste")},
                 folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("did you mean PBCH.act_pfad?")) << run.err.constData();
    run = runCli({QStringLiteral("--set"), QStringLiteral("FOO.bar=1"), QStringLiteral("liste")},
                 folder.root.path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("tabulix-cli: unknown setting \"FOO.bar\"; --list-settings"))
        << run.err.constData();
}
