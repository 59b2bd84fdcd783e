// The workbook read back by a spreadsheet reader (openpyxl): sheet, typed cells, number
// formats, the frozen header row with its filter, links, groups and totals.
#include "cli_test_support.h"
#include "collect_test_support.h"
#include "file_write_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every sheet's name, frozen cell, filter range and cells (value, its Python type, number
// format, bold, link) as openpyxl reads them.
QJsonArray readWorkbook(const QString &path)
{
    return pythonJson(
               QStringLiteral(
                   "import json, sys, openpyxl\n"
                   "book = openpyxl.load_workbook(sys.argv[1])\n"
                   "def cell(c):\n"
                   "    v = c.value\n"
                   "    return {'value': v.isoformat() if hasattr(v, 'isoformat') else v,\n"
                   "            'type': type(v).__name__, 'format': c.number_format,\n"
                   "            'bold': bool(c.font.b), 'link': c.hyperlink.target if c.hyperlink else "
                   "None}\n"
                   "json.dump([{'name': s.title, 'frozen': s.freeze_panes, 'filter': s.auto_filter.ref,\n"
                   "            'rows': [[cell(c) for c in row] for row in s.iter_rows()]}\n"
                   "           for s in book.worksheets], sys.stdout)\n"),
               {}, {path})
        .array();
}

} // namespace

TEST(CliWorkbook, CellsAreTypedAndTheHeaderIsFrozenWithAFilter)
{
    QTemporaryDir root;
    const QDateTime changed(QDate(2020, 5, 17), QTime(12, 34, 56), Qt::UTC);
    setFileTimes(makeFile(root.filePath(QStringLiteral("liste/alpha.txt")), QByteArray(2100, 'a')), changed);
    setFileTimes(makeFile(root.filePath(QStringLiteral("liste/unter/beta.txt")), QByteArray(100, 'b')),
                 changed);
    const QString saved = root.filePath(QStringLiteral("liste.xlsx"));
    const QStringList options =
        withSets({QStringLiteral("PBCH.act_datum_erstellt=0"), QStringLiteral("PBCH.act_datum_changed=1"),
                  QStringLiteral("PBCH.act_attribute_hidden=1"), QStringLiteral("PBCH.act_pfad=1"),
                  QStringLiteral("PBCH.act_pfad_htmllink=1"), QStringLiteral("PBCB.act_size_einheit=KB"),
                  QStringLiteral("PBCH.des_allg_header_cb=1"),
                  QStringLiteral("PBED.des_allg_header=Liste: [alle] Dateien?")}) +
        QStringList{QStringLiteral("--format"), QStringLiteral("xlsx")};

    // No workbook on standard output.
    EXPECT_EQ(runCli(options + QStringList{QStringLiteral("liste")}, root.path()).exitCode, 2);

    CliRun run =
        runCli(options + QStringList{QStringLiteral("-o"), saved, QStringLiteral("liste")}, root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QJsonArray sheets = readWorkbook(saved);
    ASSERT_EQ(sheets.size(), 1);
    QJsonObject sheet = sheets[0].toObject();
    EXPECT_EQ(sheet[u"name"].toString(), QStringLiteral("Liste_ _alle_ Dateien_"));
    EXPECT_EQ(sheet[u"frozen"].toString(), QStringLiteral("A3"));
    EXPECT_EQ(sheet[u"filter"].toString(), QStringLiteral("A2:E4"));
    const QJsonArray rows = sheet[u"rows"].toArray();
    ASSERT_EQ(rows.size(), 5); // title, header, two files, totals
    EXPECT_EQ(rows[0][0][u"value"].toString(), QStringLiteral("Liste: [alle] Dateien?"));
    const QJsonArray header = rows[1].toArray();
    EXPECT_EQ(header[1][u"value"].toString(), QStringLiteral("Dateigröße"));
    EXPECT_TRUE(header[1][u"bold"].toBool());
    const QJsonArray alpha =
        rows[2][0][u"value"] == QStringLiteral("alpha") ? rows[2].toArray() : rows[3].toArray();
    EXPECT_EQ(alpha[0][u"type"].toString(), QStringLiteral("str"));
    EXPECT_EQ(alpha[1][u"type"].toString(), QStringLiteral("float"));
    EXPECT_DOUBLE_EQ(alpha[1][u"value"].toDouble(), 2100 / 1024.0);
    EXPECT_EQ(alpha[1][u"format"].toString(), QStringLiteral("#,##0.000 \"KB\""));
    EXPECT_EQ(alpha[2][u"type"].toString(), QStringLiteral("datetime"));
    EXPECT_EQ(alpha[2][u"value"].toString(), QStringLiteral("2020-05-17T12:34:56"));
    EXPECT_EQ(alpha[2][u"format"].toString(), QStringLiteral("dd.mm.yyyy hh:mm:ss"));
    EXPECT_EQ(alpha[3][u"value"].toString(), QStringLiteral("nein"));
    EXPECT_EQ(alpha[4][u"link"].toString(),
              QStringLiteral("file://") + root.filePath(QStringLiteral("liste/alpha.txt")));
    // The totals: the count as text, the size as a number in the size format.
    EXPECT_EQ(rows[4][0][u"value"].toString(), QStringLiteral("2 Dateien"));
    EXPECT_DOUBLE_EQ(rows[4][1][u"value"].toDouble(), 2200 / 1024.0);
    EXPECT_TRUE(rows[4][0][u"bold"].toBool());

    // Grouped by folder without a title: a bold group row with count and size above each group.
    run = runCli(
        options +
            withSets({QStringLiteral("PBCH.des_allg_header_cb=0"), QStringLiteral("PBRB.des_grup_ja=1"),
                      QStringLiteral("PBCB.des_grup=Ordner"), QStringLiteral("PBCB.act_size_einheit=Byte")}) +
            QStringList{QStringLiteral("-o"), saved, QStringLiteral("liste")},
        root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    sheets = readWorkbook(saved);
    ASSERT_EQ(sheets.size(), 1);
    sheet = sheets[0].toObject();
    EXPECT_EQ(sheet[u"frozen"].toString(), QStringLiteral("A2"));
    const QJsonArray grouped = sheet[u"rows"].toArray();
    ASSERT_EQ(grouped.size(), 6);
    EXPECT_EQ(grouped[1][0][u"value"].toString(),
              root.filePath(QStringLiteral("liste/")) + QStringLiteral(" (1 Datei)"));
    EXPECT_TRUE(grouped[1][0][u"bold"].toBool());
    EXPECT_EQ(grouped[1][1][u"value"].toInt(), 2100);
    EXPECT_EQ(grouped[1][1][u"format"].toString(), QStringLiteral("#,##0 \"Byte\""));
    EXPECT_EQ(grouped[3][1][u"value"].toInt(), 100);
}
