// File names that try to break the table: separators, quotes, line breaks and terminal escapes.
#include "cli_test_support.h"
#include "collect_test_support.h"
#include "file_write_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList hostileNames = {QStringLiteral("semi;colon.txt"),   QStringLiteral("say \"hi\".txt"),
                                  QStringLiteral("cr\rname.txt"),     QStringLiteral("lf\nname.txt"),
                                  QStringLiteral("tab\tname.txt"),    QStringLiteral("esc\x1b[31mred.txt"),
                                  QStringLiteral("crlf\r\nname.txt"), QStringLiteral("plain.txt")};

struct HostileFolder {
    HostileFolder()
    {
        for (const QString &name : hostileNames)
            makeFile(root.filePath(QStringLiteral("liste/") + name), "x");
    }
    QTemporaryDir root;
};

// The rows of CSV text as Python's csv module reads them, strictly.
QVector<QStringList> csvRows(const QByteArray &csv)
{
    QProcess python;
    python.start(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import csv, io, json, sys\n"
                        "text = sys.stdin.buffer.read().decode('utf-8-sig')\n"
                        "rows = csv.reader(io.StringIO(text, newline=''), delimiter=';', strict=True)\n"
                        "json.dump(list(rows), sys.stdout)\n")});
    python.write(csv);
    python.closeWriteChannel();
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return {{QStringLiteral("python3 failed"), QString::fromUtf8(python.readAllStandardError())}};
    QVector<QStringList> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        rows.append(row.toVariant().toStringList());
    return rows;
}

// Every row has the header's number of fields and the names of the first column are the files'.
void expectOneRowPerFile(const QVector<QStringList> &rows)
{
    ASSERT_EQ(rows.size(), hostileNames.size() + 1) << rows.value(0).join(u'|').toStdString();
    QSet<QString> names;
    for (const QStringList &row : rows) {
        EXPECT_EQ(row.size(), rows.first().size()) << row.join(u'|').toStdString();
        names.insert(row.value(0));
    }
    names.remove(rows.first().value(0));
    EXPECT_EQ(names, QSet<QString>(hostileNames.begin(), hostileNames.end()));
}

const QStringList nameOnly = {QStringLiteral("--set"), QStringLiteral("PBCH.act_name_endung=1")};

} // namespace

TEST(CliHostileNames, CsvReadsBackWithTheNamesIntact)
{
    HostileFolder folder;
    CliRun run = runCli(
        nameOnly + QStringList{QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("liste")},
        folder.root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    expectOneRowPerFile(csvRows(run.out));

    // The saved file too: byte-order mark and CR LF after every record.
    const QString saved = folder.root.filePath(QStringLiteral("liste.csv"));
    run = runCli(nameOnly + QStringList{QStringLiteral("--format"), QStringLiteral("csv"),
                                        QStringLiteral("-o"), saved, QStringLiteral("liste")},
                 folder.root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    expectOneRowPerFile(csvRows(contentOf(saved)));
}

TEST(CliHostileNames, TextTablesHaveOneLinePerFileAndNoControlCharacters)
{
    HostileFolder folder;
    const CliRun run = runCli(nameOnly + QStringList{QStringLiteral("liste")}, folder.root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    for (const char c : run.out)
        EXPECT_TRUE(c == '\n' || (uchar(c) >= 0x20 && c != 0x7f)) << int(c);
    const QList<QByteArray> lines = run.out.split('\n');
    for (const char *shown : {"semi;colon.txt", "say \"hi\".txt", "cr?name.txt", "lf?name.txt",
                              "tab?name.txt", "esc?[31mred.txt", "crlf??name.txt", "plain.txt"})
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [shown](const QByteArray &line) { return line.contains(shown); }),
                  1)
            << shown;
    EXPECT_EQ(run.out.count(".txt"), hostileNames.size());
}

// On a terminal even CSV and HTML show control characters other than TAB and LF as "?". Standard
// error goes elsewhere, so only what the table prints reaches the terminal.
TEST(CliHostileNames, TerminalsGetNoControlCharacters)
{
    HostileFolder folder;
    for (const char *format : {"csv", "htm"}) {
        QProcess terminal;
        prepareCli(terminal, folder.root.path());
        const CliRun run = finishCli(terminal,
                                     {QStringLiteral("-qec"),
                                      QStringLiteral(TABULIX_CLI_PATH " --format ") +
                                          QString::fromUtf8(format) + QStringLiteral(" liste 2>/dev/null"),
                                      QStringLiteral("/dev/null")},
                                     QStringLiteral("script"));
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_FALSE(run.out.contains('\x1b')) << run.out.constData();
        EXPECT_TRUE(run.out.contains("esc?[31mred.txt")) << run.out.constData();
        EXPECT_TRUE(run.out.contains("cr?name.txt")) << run.out.constData();
        EXPECT_TRUE(run.out.contains("tab\tname.txt")) << run.out.constData();
    }
}

TEST(CliHostileNames, OperandsThatAreNotUtf8KeepTheirBytes)
{
    // A Latin-1 folder name and a file name with byte 0xFF, named on the command line as the
    // system's bytes; a value of --set that is not UTF-8 is text with U+FFFD.
    QTemporaryDir root;
    const QByteArray base = QFile::encodeName(root.path());
    const QByteArray folder = base + "/caf\xe9";
    const QByteArray inside = folder + "/inside.txt";
    const QByteArray file = base + "/\xff.txt";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    for (const QByteArray &path : {inside, file}) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "12345", 5), 5);
        ::close(fd);
    }
    QProcess cli;
    prepareCli(cli, root.path());
    const CliRun run = finishCli(cli,
                                 {QStringLiteral("-c"),
                                  QStringLiteral("exec \"$0\" --format txt --set PBCH.act_pfad=1 --set "
                                                 "PBED.des_allg_header=\"Liste $(printf '\\344')\" --set "
                                                 "PBCH.des_allg_header_cb=1 \"$(printf 'caf\\351')\" "
                                                 "\"$(printf '\\377.txt')\""),
                                  QStringLiteral(TABULIX_CLI_PATH)},
                                 QStringLiteral("/bin/sh"));
    // QTemporaryDir cannot remove names that are not UTF-8.
    ::unlink(inside.constData());
    ::rmdir(folder.constData());
    ::unlink(file.constData());

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QString out = QString::fromUtf8(run.out);
    EXPECT_TRUE(out.contains(root.path() + QStringLiteral("/caf\uFFFD/inside.txt"))) << out.toStdString();
    EXPECT_TRUE(out.contains(root.path() + QStringLiteral("/\uFFFD.txt"))) << out.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("Liste \uFFFD"))) << out.toStdString();
}
