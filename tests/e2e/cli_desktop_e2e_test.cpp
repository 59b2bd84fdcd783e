// tabulix-cli desktop: the entries of the desktop program for a user whose home is a temporary
// folder, their status in the language of the run, and the exit codes of its usage.
#include "cli_test_support.h"
#include "desktop_test_support.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

CliRun runDesktop(const TemporaryDesktop &desktop, const QStringList &arguments,
                  QProcessEnvironment environment = {})
{
    QProcess cli;
    prepareCli(cli, desktop.home());
    if (environment.isEmpty())
        environment = desktop.environment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    cli.setProcessEnvironment(environment);
    return finishCli(cli, arguments);
}

QByteArray statusOf(const TemporaryDesktop &desktop, const char *language)
{
    const CliRun run = runDesktop(desktop, {QStringLiteral("--lang"), QString::fromUtf8(language),
                                            QStringLiteral("desktop"), QStringLiteral("status")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.err, QByteArray());
    return run.out;
}

} // namespace

TEST(CliDesktop, AddAndRemoveEveryKindWithItsStatusInTheLanguageOfTheRun)
{
    TemporaryDesktop desktop;
    EXPECT_EQ(statusOf(desktop, "de"), "tbx\tNicht aktiv\nsendto\tNicht aktiv\nfolders\tNicht aktiv\n"
                                       "files\tNicht aktiv\n");
    for (const char *kind : {"tbx", "sendto", "folders", "files", "types"}) {
        const CliRun run =
            runDesktop(desktop, {QStringLiteral("--set"), QStringLiteral("SCED.beldateien=mp3"),
                                 QStringLiteral("desktop"), QStringLiteral("add"), QString::fromUtf8(kind)});
        EXPECT_EQ(run.exitCode, 0) << kind << run.err.constData();
        EXPECT_EQ(run.out + run.err, QByteArray()) << kind;
    }
    EXPECT_EQ(statusOf(desktop, "de"), "tbx\tAktiv\nsendto\tAktiv\nfolders\tAktiv\nfiles\tAktiv\n");
    EXPECT_EQ(statusOf(desktop, "en"),
              "tbx\tActivated\nsendto\tActivated\nfolders\tActivated\nfiles\tActivated\n");

    // The entries start the desktop program beside tabulix-cli, not tabulix-cli itself.
    const QString desktopProgram =
        QFileInfo(QStringLiteral(TABULIX_CLI_PATH)).absolutePath() + QStringLiteral("/tabulix");
    const QByteArray entry =
        readTestFile(desktop.data() + QStringLiteral("/applications/tabulix-configuration.desktop"));
    EXPECT_TRUE(entry.contains(QByteArray("\nExec=\"" + desktopProgram.toUtf8() + "\" %F\n")))
        << entry.constData();
    EXPECT_TRUE(readTestFile(desktop.config() + QStringLiteral("/Thunar/uca.xml"))
                    .contains("<patterns>*.mp3</patterns>"));

    for (const char *kind : {"tbx", "sendto", "folders", "files", "types"}) {
        const CliRun run = runDesktop(
            desktop, {QStringLiteral("desktop"), QStringLiteral("remove"), QString::fromUtf8(kind)});
        EXPECT_EQ(run.exitCode, 0) << kind << run.err.constData();
    }
    EXPECT_EQ(statusOf(desktop, "en"), "tbx\tNot activated\nsendto\tNot activated\nfolders\tNot activated\n"
                                       "files\tNot activated\n");
    EXPECT_EQ(desktop.files(), (QMap<QString, QByteArray>()));
}

TEST(CliDesktop, WrongUsageEndsWithTwoAndAFailedWriteWithOne)
{
    TemporaryDesktop desktop;
    const QList<QStringList> wrong = {
        {QStringLiteral("desktop")},
        {QStringLiteral("desktop"), QStringLiteral("add")},
        {QStringLiteral("desktop"), QStringLiteral("add"), QStringLiteral("ordner")},
        {QStringLiteral("desktop"), QStringLiteral("remove"), QStringLiteral("tbx"),
         QStringLiteral("sendto")},
        {QStringLiteral("desktop"), QStringLiteral("status"), QStringLiteral("tbx")},
        {QStringLiteral("desktop"), QStringLiteral("install"), QStringLiteral("tbx")}};
    for (const QStringList &arguments : wrong) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = runDesktop(desktop, arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith("tabulix-cli: ")) << run.err.constData();
        EXPECT_TRUE(run.err.endsWith("Try 'tabulix-cli --help'.\n")) << run.err.constData();
    }

    const CliRun nothing =
        runDesktop(desktop, {QStringLiteral("--set"), QStringLiteral("SCED.beldateien=tar.gz, ."),
                             QStringLiteral("desktop"), QStringLiteral("add"), QStringLiteral("types")});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_EQ(nothing.err,
              "tabulix-cli: The chosen file types name no usable extension; nothing was added.\n");
    EXPECT_EQ(desktop.files(), (QMap<QString, QByteArray>()));

    // A data folder below a file can never be made, not even by root.
    writeTestFile(desktop.root.filePath(QStringLiteral("datei")), "x");
    QProcessEnvironment blocked = desktop.environment();
    blocked.insert(QStringLiteral("XDG_DATA_HOME"), desktop.root.filePath(QStringLiteral("datei/share")));
    const CliRun run = runDesktop(
        desktop, {QStringLiteral("desktop"), QStringLiteral("add"), QStringLiteral("folders")}, blocked);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("tabulix-cli: Cannot create folder ")) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray());
}
