// The padded and delimited text layouts, also as the text of a picture.
#include "layout_test_support.h"

#include <gtest/gtest.h>

namespace {

QStringList withoutFooter(QStringList lines)
{
    return lines.mid(0, lines.size() - germanFooter().size());
}

} // namespace

TEST(TableLayout, NoRowsOrNoCellsGiveNoLinesAtAll)
{
    LayoutCase table;
    table.addColumn("Name");
    table.setOn("des_allg_header_cb", true);
    for (const OutputFormat format :
         {OutputFormat::Txt, OutputFormat::Htm, OutputFormat::Csv, OutputFormat::Gif})
        EXPECT_TRUE(table.lines(format).isEmpty());
    table.cells << QStringList();
    EXPECT_TRUE(table.lines().isEmpty());
}

TEST(TableLayout, PaddedColumnsAreTwoWiderThanTheirLongestText)
{
    LayoutCase table;
    table.plain();
    table.set("des_tab_pz", ".");
    table.addColumn("Name");
    table.addColumn("Format");
    table.addRow({QStringLiteral("alpha"), QStringLiteral("pdf")});
    table.addRow({QStringLiteral("beta"), QStringLiteral("winzip")});
    EXPECT_EQ(table.lines(),
              QStringList({QStringLiteral("Name...Format.."), QStringLiteral("alpha..pdf....."),
                           QStringLiteral("beta...winzip..")}) +
                  germanFooter());

    // A right-aligned column of width 12: the cell ends two fill characters before the end,
    // like its header.
    LayoutCase sizes;
    sizes.plain();
    sizes.set("des_tab_pz", "*");
    sizes.addColumn("Dateigröße", true);
    sizes.addRow({QStringLiteral("1,000 KB")});
    EXPECT_EQ(withoutFooter(sizes.lines()),
              QStringList({QStringLiteral("Dateigröße**"), QStringLiteral("**1,000 KB**")}));

    // Without column headers only the cells count: the longest cell fills its column.
    sizes.setOn("des_allg_spaltenheader", false);
    EXPECT_EQ(withoutFooter(sizes.lines()), QStringList({QStringLiteral("1,000 KB**")}));
}

TEST(TableLayout, FillCharacterIsTheFirstOfItsTextOrASpace)
{
    LayoutCase table;
    table.plain();
    table.setOn("des_allg_spaltenheader", false);
    table.addColumn("Name");
    table.addColumn("Format");
    table.addRow({QStringLiteral("a"), QStringLiteral("b")});
    table.set("des_tab_pz", "");
    EXPECT_EQ(table.lines().first(), QStringLiteral("a  b  "));
    table.set("des_tab_pz", "=+");
    EXPECT_EQ(table.lines().first(), QStringLiteral("a==b=="));
}

TEST(TableLayout, PaddedDashLinesAndCuttingFollowTheWidestLine)
{
    // Widest line 16 characters (the end information): the dash line has 17 dashes, nothing
    // is cut.
    LayoutCase narrow;
    narrow.addColumn("Name");
    narrow.addRow({QStringLiteral("a.txt")}, 10);
    const QString dashes17(17, u'-');
    EXPECT_EQ(narrow.lines(), QStringList({QStringLiteral("Name   "), dashes17, QStringLiteral("a.txt  "),
                                           dashes17, QStringLiteral("1 Datei; 10 Byte")}) +
                                  germanFooter());

    // Widest line 36: the dash line and every longer line are held to 34 characters, which
    // drops the trailing fill of the table lines.
    LayoutCase wide;
    wide.addColumn("Name");
    wide.addColumn("Dateigröße", true);
    wide.addRow({QStringLiteral("a-rather-long-name.txt"), QStringLiteral("1,000 KB")}, 1000);
    const QStringList expected = {QStringLiteral("Name                    Dateigröße"), QString(34, u'-'),
                                  QStringLiteral("a-rather-long-name.txt    1,000 KB"), QString(34, u'-'),
                                  QStringLiteral("1 Datei; 0,977 KB")};
    EXPECT_EQ(withoutFooter(wide.lines()), expected);

    // A dash text of several characters is repeated and cut like one; an empty one gives
    // empty dash lines.
    wide.set("des_allg_striche", "-=");
    EXPECT_EQ(wide.lines().at(1), QStringLiteral("-=").repeated(17));
    narrow.set("des_allg_striche", "-=");
    EXPECT_EQ(narrow.lines().at(1), QStringLiteral("-=").repeated(17));
    wide.set("des_allg_striche", "");
    EXPECT_EQ(wide.lines().at(1), QString());
    EXPECT_EQ(wide.lines().at(3), QString());

    // A title that is the widest line is cut too.
    wide.set("des_allg_striche", "-");
    wide.setOn("des_allg_header_cb", true);
    wide.set("des_allg_header", "Alle Dateien des Projekts im Ordner Archiv"); // 42 characters
    const QStringList titled = wide.lines();
    EXPECT_EQ(titled.at(0), QStringLiteral("Alle Dateien des Projekts im Ordner Arch"));
    EXPECT_EQ(titled.at(1), QString());
    EXPECT_EQ(titled.at(3), QString(40, u'-'));
    EXPECT_EQ(titled.at(4), QStringLiteral("a-rather-long-name.txt    1,000 KB  "));
}

TEST(TableLayout, DelimitedLinesAndTheirDashLineOfExactlyTheWidestWidth)
{
    LayoutCase table;
    table.setOn("des_tab_zeichen", true);
    table.setOn("des_allg_header_cb", true);
    table.addColumn("Name");
    table.addColumn("Dateigröße", true);
    table.addRow({QStringLiteral("a.txt"), QStringLiteral("1,000 KB")}, 1000);
    table.addRow({QStringLiteral("b & c.txt"), QStringLiteral("2,000 KB")}, 2048);
    const QString dashes(20, u'-');
    EXPECT_EQ(withoutFooter(table.lines()),
              QStringList({QStringLiteral("Dateiliste"), QString(), QStringLiteral("Name; Dateigröße;"),
                           dashes, QStringLiteral("a.txt; 1,000 KB;"), QStringLiteral("b & c.txt; 2,000 KB;"),
                           dashes, QStringLiteral("2 Dateien; 2,977 KB")}));

    table.setOn("des_tab_zeichen_ende", false);
    table.set("des_tab_z", "|");
    table.set("des_allg_striche", "-=");
    const QStringList lines = table.lines();
    EXPECT_EQ(lines.at(2), QStringLiteral("Name|Dateigröße"));
    EXPECT_EQ(lines.at(3), QStringLiteral("-=").repeated(10).left(19));
    EXPECT_EQ(lines.at(5), QStringLiteral("b & c.txt|2,000 KB"));
}

TEST(TableLayout, GroupHeadingsDifferBetweenPaddedAndDelimited)
{
    LayoutCase table;
    table.setOn("des_grup_ja", true);
    table.setOn("des_allg_spaltenheader", false);
    table.setOn("des_allg_endesize", false);
    table.addColumn("Name");
    table.addGroupedRow(QStringLiteral("JPG"), {QStringLiteral("a.jpg")}, 5);
    table.addGroupedRow(QStringLiteral("TXT"), {QStringLiteral("b.txt")}, 7);
    // The widest line is "2 Dateien": padded dash lines have 10 characters, delimited ones 9.
    const QString dash(10, u'-');
    const QString delimitedDash(9, u'-');
    // Padded: a dash line under the key when no column header follows. The empty line that
    // opens the first group is dropped.
    EXPECT_EQ(
        withoutFooter(table.lines()),
        QStringList({QStringLiteral("JPG"), dash, QStringLiteral("a.jpg  "), dash, QStringLiteral("1 Datei"),
                     QString(), QString(), QStringLiteral("TXT"), dash, QStringLiteral("b.txt  "), dash,
                     QStringLiteral("1 Datei"), QString(), dash, QStringLiteral("2 Dateien")}));
    // Delimited: an empty line there.
    table.setOn("des_tab_zeichen", true);
    EXPECT_EQ(table.lines().mid(0, 4),
              QStringList({QStringLiteral("JPG"), QString(), QStringLiteral("a.jpg;"), delimitedDash}));

    // With the column headers over each group it is the other way round.
    table.setOn("des_grup_oben", true);
    table.setOn("des_grup_unten", false);
    EXPECT_EQ(table.lines().mid(0, 7),
              QStringList({QStringLiteral("JPG"), delimitedDash, QStringLiteral("Name;"), delimitedDash,
                           QStringLiteral("a.jpg;"), QString(), QString()}));
    table.setOn("des_tab_padding", true);
    EXPECT_EQ(table.lines().mid(0, 7),
              QStringList({QStringLiteral("JPG"), QString(), QStringLiteral("Name   "), dash,
                           QStringLiteral("a.jpg  "), QString(), QString()}));

    // Without headings the headers still open every group.
    table.setOn("des_grup_header", false);
    EXPECT_EQ(table.lines().mid(0, 4),
              QStringList({QStringLiteral("Name   "), dash, QStringLiteral("a.jpg  "), QString()}));
}

TEST(TableLayout, FirstGroupWithAnEmptyKeyHasNoHeading)
{
    LayoutCase table;
    table.setOn("des_grup_ja", true);
    table.setOn("des_allg_striche_cb", false);
    table.setOn("des_allg_endeanzahl", false);
    table.addColumn("Name");
    table.addGroupedRow(QString(), {QStringLiteral("Makefile")}, 1500);
    table.addGroupedRow(QString(), {QStringLiteral("README")}, 500);
    table.addGroupedRow(QStringLiteral("TXT"), {QStringLiteral("b.txt")}, 10);
    EXPECT_EQ(withoutFooter(table.lines()),
              QStringList({QStringLiteral("Name      "), QStringLiteral("Makefile  "),
                           QStringLiteral("README    "), QStringLiteral("1,953 KB"), QString(), QString(),
                           QStringLiteral("TXT"), QString(), QStringLiteral("b.txt     "),
                           QStringLiteral("10 Byte"), QString(), QStringLiteral("1,963 KB")}));
}

TEST(TableLayout, PictureLinesCarryBoldAndItalicMarkers)
{
    LayoutCase table;
    table.setOn("des_allg_header_cb", true);
    table.setOn("des_grup_ja", true);
    table.addColumn("Name");
    table.addGroupedRow(QStringLiteral("JPG"), {QStringLiteral("a.jpg")}, 5);
    // Widest line "%K%1 Datei; 5 Byte" (18), less the three marker characters, plus one.
    const QString dash(16, u'-');
    EXPECT_EQ(table.lines(OutputFormat::Jpg),
              QStringList({QStringLiteral("%F%Dateiliste"), QString(), QStringLiteral("%F%Name   "), dash,
                           QString(), QStringLiteral("JPG"), dash, QStringLiteral("a.jpg  "), dash,
                           QStringLiteral("%K%1 Datei; 5 Byte"), QString(), dash,
                           QStringLiteral("%K%1 Datei; 5 Byte"), QString(), QString(),
                           QStringLiteral("%K%Erstellt mit dem Tabulix."),
                           QStringLiteral("%K%https://tabulix.example")}));

    // A picture has no delimited form: an empty line and the footer remain.
    table.setOn("des_tab_zeichen", true);
    EXPECT_EQ(table.lines(OutputFormat::Bmp),
              QStringList({QString(), QStringLiteral("%K%Erstellt mit dem Tabulix."),
                           QStringLiteral("%K%https://tabulix.example")}));
}

TEST(TableLayout, FooterTakesOneLineFromTheLanguagesThreshold)
{
    LayoutCase table;
    table.plain();
    table.setOn("des_allg_spaltenheader", false);
    table.setOn("des_tab_zeichen", true);
    table.setOn("des_tab_zeichen_ende", false);
    table.addColumn("Name");
    table.addRow({QString(72, u'x')});
    EXPECT_EQ(table.lines().mid(1), germanFooter());
    table.cells[0][0] = QString(73, u'x');
    EXPECT_EQ(table.lines().mid(1),
              QStringList({QString(), QString(),
                           QStringLiteral("Erstellt mit dem Tabulix - https://tabulix.example.")}));

    table.language = Language::English;
    table.cells[0][0] = QString(60, u'x');
    EXPECT_EQ(table.lines().mid(1),
              QStringList({QString(), QString(), QStringLiteral("Created with Tabulix."),
                           QStringLiteral("https://tabulix.example")}));
    table.cells[0][0] = QString(61, u'x');
    EXPECT_EQ(table.lines().mid(1),
              QStringList(
                  {QString(), QString(), QStringLiteral("Created with Tabulix - https://tabulix.example.")}));
}
