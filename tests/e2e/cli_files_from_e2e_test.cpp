// tabulix-cli --files-from: lists written by other programs, by find and through standard input,
// with the skipped lines counted and the failures that end the run with 1.
#include "cli_table_folder.h"
#include "cli_test_support.h"
#include "text_list.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

const QStringList nameOnly = {QStringLiteral("--set"), QStringLiteral("PBCH.act_size=0"),
                              QStringLiteral("--set"), QStringLiteral("PBCH.act_datum_erstellt=0")};

// The names in the table's body, in order: the lines that end in one of the files.
QStringList listedNames(const QByteArray &out)
{
    QStringList names;
    for (const QString &line : QString::fromUtf8(out).split(u'\n'))
        for (const char *name : {"alpha.txt", "beta.jpg", "gamma.txt"})
            if (line.trimmed() == QString::fromUtf8(name))
                names.append(line.trimmed());
    return names;
}

CliRun runWithInput(const QStringList &arguments, const QString &folder, const QByteArray &input)
{
    QProcess cli;
    prepareCli(cli, folder);
    cli.start(QStringLiteral(TABULIX_CLI_PATH), arguments);
    cli.write(input);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
}

QByteArray findOutput(const QString &folder, const QStringList &arguments)
{
    QProcess find;
    find.setWorkingDirectory(folder);
    find.start(QStringLiteral("find"), arguments);
    return find.waitForFinished(30000) ? find.readAllStandardOutput() : QByteArray();
}

} // namespace

TEST(CliFilesFrom, Utf16ListWithAbsoluteAndRelativeLines)
{
    GeneratedFolder folder;
    const QString text = folder.root.filePath(QStringLiteral("liste/beta.jpg")) +
                         QStringLiteral("\r\nliste/unter/gamma.txt\r\n");
    makeFile(folder.root.filePath(QStringLiteral("list.txt")),
             QByteArray("\xFF\xFE") + QByteArray(QStringEncoder(QStringConverter::Utf16LE).encode(text)));
    // The listed files come before the operands, wherever the option stands.
    const CliRun run =
        runCli(nameOnly + QStringList{QStringLiteral("liste/alpha.txt"), QStringLiteral("--files-from"),
                                      QStringLiteral("list.txt")},
               folder.root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(listedNames(run.out), textList({"beta.jpg", "gamma.txt", "alpha.txt"})) << run.out.constData();
}

TEST(CliFilesFrom, OutputOfFindFromAFileAndFromStandardInput)
{
    GeneratedFolder folder;
    const QByteArray files =
        findOutput(folder.root.path(), {QStringLiteral("liste"), QStringLiteral("-type"), QStringLiteral("f"),
                                        QStringLiteral("-name"), QStringLiteral("*a*")});
    ASSERT_EQ(files.count('\n'), 3) << files.constData();
    makeFile(folder.root.filePath(QStringLiteral("found.txt")), files);
    CliRun run = runCli(nameOnly + QStringList{QStringLiteral("--files-from"), QStringLiteral("found.txt")},
                        folder.root.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.err, QByteArray());
    QStringList names = listedNames(run.out);
    names.sort();
    EXPECT_EQ(names, textList({"alpha.txt", "beta.jpg", "gamma.txt"})) << run.out.constData();

    // Folders in the list are skipped and counted in one line; that alone is no failure.
    const QByteArray everything = findOutput(folder.root.path(), {QStringLiteral("liste")});
    run = runWithInput(nameOnly + QStringList{QStringLiteral("--files-from"), QStringLiteral("-")},
                       folder.root.path(), everything + "\nfehlt.txt\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "tabulix-cli: -: skipped 3 lines naming no file\n");
    EXPECT_EQ(listedNames(run.out).size(), 3) << run.out.constData();

    // A list that names no file at all still makes a table, without rows.
    run = runWithInput({QStringLiteral("--files-from"), QStringLiteral("-")}, folder.root.path(), "liste\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "tabulix-cli: -: skipped 1 line naming no file\n");
    EXPECT_TRUE(listedNames(run.out).isEmpty()) << run.out.constData();
}

TEST(CliFilesFrom, ListsThatCannotBeReadEndWithOneAndTheRestIsListed)
{
    GeneratedFolder folder;
    makeFile(folder.root.filePath(QStringLiteral("utf7.txt")), "+/v8-liste/alpha.txt\r\nliste/+AH5-\r\n");
    const CliRun run =
        runCli(nameOnly + QStringList{QStringLiteral("--files-from"), QStringLiteral("fehlt.txt"),
                                      QStringLiteral("--files-from"), QStringLiteral("utf7.txt"),
                                      QStringLiteral("--files-from"), QStringLiteral("liste"),
                                      QStringLiteral("liste/beta.jpg")},
               folder.root.path());
    EXPECT_EQ(run.exitCode, 1);
    const QList<QByteArray> lines = run.err.split('\n');
    ASSERT_EQ(lines.size(), 4) << run.err.constData();
    EXPECT_EQ(lines[0], "tabulix-cli: Cannot read file \"fehlt.txt\". No such file or directory");
    EXPECT_EQ(lines[1], "tabulix-cli: Invalid UTF7");
    EXPECT_TRUE(lines[2].startsWith("tabulix-cli: Cannot read file \"liste\". ")) << lines[2].constData();
    EXPECT_EQ(listedNames(run.out), textList({"beta.jpg"})) << run.out.constData();

    EXPECT_EQ(runCli({QStringLiteral("--files-from")}, folder.root.path()).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("--files-from"), QString()}, folder.root.path()).exitCode, 2);
}
