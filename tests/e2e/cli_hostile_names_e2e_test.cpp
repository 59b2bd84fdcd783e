// File names that try to break the table: separators, quotes, line breaks and terminal escapes.
#include "cli_test_support.h"
#include "collect_test_support.h"
#include "file_write_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
