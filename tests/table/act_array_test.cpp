#include "app/program_state.h"
#include "collect/file_adder.h"
#include "common/settings.h"
#include "table/act_array_fill.h"
#include "table/grouping.h"
#include "table_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct ActArrayTest : MainSettingsTest {
    void groupBy(const QString &choice)
    {
        set("des_grup_ja", true);
        set("des_grup", choice);
    }

    TableCells fill(const QVector<FileEntry> &rows, OutputFormat output = OutputFormat::Txt,
                    const LocaleFormat &format = germanFormat()) const
    {
        return fillActArray(rows, settings, format, output);
    }
};

QStringList headers(const ActArray &columns)
{
    QStringList texts;
    for (const OutputColumn &column : columns)
        texts.append(column.header + (column.rightAligned ? QStringLiteral(">") : QString()));
    return texts;
}

// Column c of every row.
QStringList column(const CellTable &cells, qsizetype c)
{
    QStringList texts;
    for (const QStringList &row : cells)
        texts.append(row.value(c, QStringLiteral("<none>")));
    return texts;
}

// Rows whose type cells are the given texts, named after their list place ("r1", "r2", ...).
QVector<FileEntry> rowsOfType(const QStringList &types)
{
    QVector<FileEntry> rows;
    for (qsizetype i = 0; i < types.size(); ++i) {
        RowFacts facts{.path = QStringLiteral("/d/r%1").arg(i + 1), .typeName = types[i]};
        rows.append(makeRow(facts));
    }
    return rows;
}

QStringList names(int from, int to)
{
    QStringList texts;
    for (int i = from; i <= to; ++i)
        texts.append(QStringLiteral("r%1").arg(i));
    return texts;
}

} // namespace

TEST_F(ActArrayTest, ColumnsFollowTheOrderListWithChecksumsAtTheirPlace)
{
    const QVector<FileEntry> rows = {
        makeRow(RowFacts{.path = QStringLiteral("/d/a.txt"),
                         .bytes = 2048,
                         .md5 = QStringLiteral("0cc175b9c0f1b6a831c399e269772661")})};
    TableCells table = fill(rows);
    EXPECT_EQ(headers(table.actArray), (QStringList{QStringLiteral("Name"), QStringLiteral("Dateigröße>"),
                                                    QStringLiteral("Erstellt")}));
    EXPECT_EQ(table.cellTable, (CellTable{{QStringLiteral("a.txt"), QStringLiteral("2,000 KB"),
                                           QStringLiteral("04.03.2009 14:05:09")}}));

    // Kind 12 with nothing enabled adds no column.
    for (const char *kind : {"act_checksum_md5", "act_checksum_crc"})
        set(kind, false);
    set("act_checksum", true);
    EXPECT_EQ(fill(rows).actArray.size(), 3);

    for (const char *kind : {"act_checksum_md5", "act_checksum_crc", "act_checksum_sha1",
                             "act_checksum_sha256", "act_checksum_sha512"})
        set(kind, true);
    set("act_checksum_crc32_rb", true);
    set("act_name_ed", QStringLiteral("<b>Datei</b>")); // the user's own header, never escaped
    QStringList order = defaultColumnOrder(Language::German);
    order.move(11, 1); // checksums after the name
    settings.setColumnOrder(order);
    table = fill(rows, OutputFormat::Htm);
    const QStringList withChecksums = {QStringLiteral("<b>Datei</b>"), QStringLiteral("MD5"),
                                       QStringLiteral("CRC32>"),       QStringLiteral("SHA1"),
                                       QStringLiteral("SHA256"),       QStringLiteral("SHA512"),
                                       QStringLiteral("Dateigröße>"),  QStringLiteral("Erstellt")};
    EXPECT_EQ(headers(table.actArray), withChecksums);
    EXPECT_EQ(table.actArray[2].kind, ColumnKind::Checksums);
    EXPECT_EQ(table.actArray[2].checksum, ChecksumKind::CRC32);
    EXPECT_EQ(table.cellTable[0][1], QStringLiteral("0cc175b9c0f1b6a831c399e269772661"));
    EXPECT_EQ(table.cellTable[0][2], QStringLiteral("Option nicht aktiviert."));

    order.move(1, 0); // "12 Prüfsummen" on top: all checksum columns leftmost
    settings.setColumnOrder(order);
    EXPECT_EQ(headers(fill(rows).actArray).mid(0, 5),
              (QStringList{QStringLiteral("MD5"), QStringLiteral("CRC32>"), QStringLiteral("SHA1"),
                           QStringLiteral("SHA256"), QStringLiteral("SHA512")}));

    // A damaged order list gives the kind order, checksums last.
    settings.setColumnOrder(order.mid(0, 11));
    EXPECT_EQ(headers(fill(rows).actArray),
              withChecksums.mid(0, 1) + withChecksums.mid(6) + withChecksums.mid(1, 5));
}

TEST_F(ActArrayTest, NoActiveKindGivesRowsWithoutOutputCells)
{
    for (const char *kind : {"act_name", "act_size", "act_datum_erstellt"})
        set(kind, false);
    const QVector<FileEntry> rows = rowsOfType({QStringLiteral("b"), QStringLiteral("a")});
    TableCells table = fill(rows);
    EXPECT_TRUE(table.actArray.isEmpty());
    EXPECT_EQ(table.cellTable, (CellTable{{}, {}}));

    groupBy(QStringLiteral("Windows Typ"));
    table = fill(rows);
    EXPECT_EQ(table.cellTable, (CellTable{{QStringLiteral("a"), QStringLiteral("0")},
                                          {QStringLiteral("b"), QStringLiteral("0")}}));
}

TEST_F(ActArrayTest, GroupKeysSortByCodeUnitWithTheRowNumberAppended)
{
    groupBy(QStringLiteral("Windows Type")); // the English item works in a German session
    TableCells table = fill(
        rowsOfType({QStringLiteral("a"), QStringLiteral("Ä"), QStringLiteral("z"), QStringLiteral("Z")}));
    EXPECT_EQ(column(table.cellTable, 3), (QStringList{QStringLiteral("Z"), QStringLiteral("a"),
                                                       QStringLiteral("z"), QStringLiteral("Ä")}));
    EXPECT_EQ(column(table.cellTable, 0), (QStringList{QStringLiteral("r4"), QStringLiteral("r1"),
                                                       QStringLiteral("r3"), QStringLiteral("r2")}));
    EXPECT_EQ(column(table.cellTable, 4), QStringList(4, QStringLiteral("0")));

    // Nine rows: "A2" + "1" sorts before "A" + "3".
    QStringList types(9, QStringLiteral("B"));
    types[0] = QStringLiteral("A2");
    types[2] = QStringLiteral("A");
    table = fill(rowsOfType(types));
    EXPECT_EQ(column(table.cellTable, 0).mid(0, 3),
              (QStringList{QStringLiteral("r1"), QStringLiteral("r3"), QStringLiteral("r2")}));

    // Equal keys keep their list order; with twelve rows the numbers are padded to "01".."12".
    QStringList twelve(12, QStringLiteral("same"));
    twelve[0] = QStringLiteral("zzz");
    table = fill(rowsOfType(twelve));
    EXPECT_EQ(column(table.cellTable, 0), names(2, 12) << QStringLiteral("r1"));

    // An empty list stays empty; a choice that names no fact leaves the keys empty and the order.
    EXPECT_TRUE(fill({}).cellTable.isEmpty());
    groupBy(QStringLiteral("Nichts"));
    table = fill(rowsOfType({QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(column(table.cellTable, 0), names(1, 2));
    EXPECT_EQ(column(table.cellTable, 3), (QStringList{QString(), QString()}));
    EXPECT_EQ(column(table.cellTable, 4), (QStringList{QString(), QString()}));
}

TEST_F(ActArrayTest, SizeKeysSortAsPaddedText)
{
    groupBy(QStringLiteral("Dateigröße"));
    const QVector<FileEntry> rows = {
        makeRow(RowFacts{.path = QStringLiteral("/d/nine"), .bytes = 9216000}, englishFormat()),
        makeRow(RowFacts{.path = QStringLiteral("/d/ten"), .bytes = 10240000}, englishFormat())};
    const TableCells table = fill(rows, OutputFormat::Txt, englishFormat());
    EXPECT_EQ(column(table.cellTable, 3),
              (QStringList{QStringLiteral("10,000.000 KB"), QStringLiteral("9,000.000 KB")}));
    EXPECT_EQ(column(table.cellTable, 4),
              (QStringList{QStringLiteral("10240000"), QStringLiteral("9216000")}));
}

TEST_F(ActArrayTest, DateKeysSortByTheMomentAndUnreadableOnesAsEmpty)
{
    EXPECT_EQ(dayCountText(QStringLiteral("30.12.1899"), germanFormat()), QStringLiteral("0"));
    EXPECT_EQ(dayCountText(QStringLiteral("31.12.1899 06:00:00"), germanFormat()), QStringLiteral("1,25"));
    EXPECT_EQ(dayCountText(QStringLiteral("29.12.1899 06:00:00"), germanFormat()), QStringLiteral("-1,25"));
    EXPECT_EQ(dayCountText(QStringLiteral("01.01.2000 12:00:00"), germanFormat()), QStringLiteral("36526,5"));
    EXPECT_EQ(dayCountText(QStringLiteral("04.03.2009 14:05:09"), germanFormat()),
              QStringLiteral("39876,5869097222"));
    EXPECT_EQ(dayCountText(QStringLiteral("1/1/2000 12:00:00 PM"), englishFormat()),
              QStringLiteral("36526.5"));
    EXPECT_EQ(dayCountText(QStringLiteral("1/1/2000 18:00:00"), englishFormat()), QStringLiteral("36526.75"));
    EXPECT_EQ(dayCountText(QStringLiteral("06:00:00"), germanFormat()), QStringLiteral("0,25"));
    EXPECT_EQ(dayCountText(QStringLiteral("20000101 12:00:00"), germanFormat()), std::nullopt);
    EXPECT_EQ(dayCountText(QString(), germanFormat()), std::nullopt);

    groupBy(QStringLiteral("Erstellt"));
    const auto dated = [](const char *path, const QDateTime &when) {
        return makeRow(RowFacts{.path = QString::fromUtf8(path), .when = when});
    };
    const QVector<FileEntry> rows = {dated("/d/r1", QDateTime(QDate(2009, 1, 10), QTime(8, 0), Qt::UTC)),
                                     dated("/d/r2", QDateTime()), // no creation time on this file system
                                     dated("/d/r3", QDateTime(QDate(2009, 2, 2), QTime(8, 0), Qt::UTC)),
                                     dated("/d/r4", QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC))};
    TableCells table = fill(rows);
    EXPECT_EQ(column(table.cellTable, 0), (QStringList{QStringLiteral("r2"), QStringLiteral("r4"),
                                                       QStringLiteral("r1"), QStringLiteral("r3")}));
    EXPECT_EQ(column(table.cellTable, 3),
              (QStringList{QString(), QStringLiteral("01.01.2000"), QStringLiteral("10.01.2009 08:00:00"),
                           QStringLiteral("02.02.2009 08:00:00")}));

    // Enough rows for the keys to be read on every core: the order three dated rows give.
    QVector<FileEntry> many;
    for (int i = 0; i < 6000; ++i)
        many.append(dated(QStringLiteral("/d/%1").arg(i).toUtf8().constData(), rows[std::array{0, 2, 3}[i % 3]].created));
    QStringList expected;
    for (const int kind : {2, 0, 1})
        for (int i = kind; i < 6000; i += 3)
            expected.append(QString::number(i));
    EXPECT_EQ(column(fill(many).cellTable, 0), expected);

    // A pattern the locale cannot read back: every key sorts as empty, the list order stays.
    set("act_datum_erstellt_format", QStringLiteral("yyyymmdd"));
    table = fill(rows);
    EXPECT_EQ(column(table.cellTable, 0), names(1, 4));
    EXPECT_EQ(table.cellTable[0][3], QStringLiteral("20090110 08:00:00"));

    // The time alone is read back as a time of day; the midnight text keeps its date.
    set("act_datum_erstellt_format", QStringLiteral("System"));
    set("act_datum_erstellt_date", false);
    table = fill(rows);
    EXPECT_EQ(column(table.cellTable, 0), (QStringList{QStringLiteral("r1"), QStringLiteral("r3"),
                                                       QStringLiteral("r2"), QStringLiteral("r4")}));
}

TEST_F(ActArrayTest, FolderKeysIgnorePathOptionsWhileFolderAndFileKeysFollowThem)
{
    const QVector<FileEntry> rows = {makeRow(RowFacts{.path = QStringLiteral("/b/x/2.txt")}),
                                     makeRow(RowFacts{.path = QStringLiteral("/a/x/1.txt")}),
                                     makeRow(RowFacts{.path = QStringLiteral("/a/y/3.txt")})};
    set("act_pfad_direkterordner", true);
    set("act_pfad_endung", false);
    groupBy(QStringLiteral("Ordner"));
    TableCells table = fill(rows);
    EXPECT_EQ(column(table.cellTable, 3),
              (QStringList{QStringLiteral("/a/x/"), QStringLiteral("/a/y/"), QStringLiteral("/b/x/")}));
    groupBy(QStringLiteral("Folder and File"));
    table = fill(rows);
    EXPECT_EQ(column(table.cellTable, 3),
              (QStringList{QStringLiteral("/x/1"), QStringLiteral("/x/2"), QStringLiteral("/y/3")}));
    groupBy(QStringLiteral("Prüfsummen"));
    EXPECT_EQ(column(fill(rows).cellTable, 3), QStringList(3, QStringLiteral("Option nicht aktiviert.")));
}

TEST_F(ActArrayTest, RealFilesInHtmlAreLinkedAndEscaped)
{
    QTemporaryDir folder;
    const QString root = folder.path() + QStringLiteral("/x&y");
    QDir().mkpath(root);
    for (const char *name : {"a b.txt", "report.txt.txt", ".profile"}) {
        QFile file(root + u'/' + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("12345");
    }
    ProgramState state;
    AddingFeedback quiet;
    FileAdder adder(state, quiet, nullptr, germanFormat());
    for (const QString &name : QDir(root).entryList(QDir::Files | QDir::Hidden))
        adder.addFile(root + u'/' + name);
    ASSERT_EQ(state.fileList.count(), 3);

    set("act_name_htmllink", true);
    set("act_name_endung", false);
    set("act_size", false);
    set("act_datum_erstellt", false);
    groupBy(QStringLiteral("Ordner"));
    const TableCells html = fill(state.fileList.rows(), OutputFormat::Htm);
    const QString url =
        QUrl::fromLocalFile(root).toString(QUrl::FullyEncoded).replace(u'&', QStringLiteral("&amp;"));
    QStringList cells = column(html.cellTable, 0);
    cells.sort();
    EXPECT_EQ(cells, (QStringList{QStringLiteral("<a href=\"%1/.profile\"></a>").arg(url),
                                  QStringLiteral("<a href=\"%1/a%20b.txt\">a b</a>").arg(url),
                                  QStringLiteral("<a href=\"%1/report.txt.txt\">report</a>").arg(url)}));
    const QString escapedFolder = QString(root + u'/').replace(u'&', QStringLiteral("&amp;"));
    EXPECT_EQ(column(html.cellTable, 1), QStringList(3, escapedFolder));
    EXPECT_EQ(column(html.cellTable, 2), QStringList(3, QStringLiteral("5")));

    const TableCells text = fill(state.fileList.rows(), OutputFormat::Txt);
    cells = column(text.cellTable, 0);
    cells.sort();
    EXPECT_EQ(cells, (QStringList{QString(), QStringLiteral("a b"), QStringLiteral("report")}));
    EXPECT_EQ(column(text.cellTable, 1), QStringList(3, root + u'/'));
}
