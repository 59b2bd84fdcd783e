// The HTML and CSV layouts.
#include "layout_test_support.h"

#include <gtest/gtest.h>

namespace {

const QString tableOpening = QStringLiteral(R"(<table border="0" cellspacing="3" cellpadding="0">)");
const QString htmlFooter =
    QStringLiteral(R"(<br><br><br>Erstellt mit dem <a href="https://tabulix.example">Tabulix</a>.)");

} // namespace

TEST(TableLayoutHtml, GroupsWithoutTitleLoseTheLeadingBreaks)
{
    LayoutCase table;
    table.setOn("des_grup_ja", true);
    table.addColumn("Name");
    table.addGroupedRow(QStringLiteral("JPG"), {QStringLiteral("a.jpg")}, 5);
    // The first line "<br><br><br>" loses its breaks and, empty, is deleted; dash markers go.
    EXPECT_EQ(
        table.lines(OutputFormat::Htm),
        QStringList({QStringLiteral("<h2>JPG</h2>"), tableOpening,
                     QStringLiteral(R"(<tr><td width="65">a.jpg</td></tr>)"), QStringLiteral("</table><br>"),
                     QStringLiteral("<i>1 Datei; 5 Byte</i>"), QStringLiteral("<br>"),
                     QStringLiteral("<br><br>"), QStringLiteral("<i>1 Datei; 5 Byte</i>"), htmlFooter}));

    table.language = Language::English;
    EXPECT_EQ(table.lines(OutputFormat::Htm).last(),
              QStringLiteral(R"(<br><br><br>Created with <a href="https://tabulix.example">Tabulix</a>.)"));
}

TEST(TableLayoutHtml, CellsAreWrittenAsGivenAndMeasuredByWhatTheReaderSees)
{
    LayoutCase table;
    table.setOn("des_allg_header_cb", true);
    table.set("des_allg_header", "Tom & <b>Jerry</b>");
    table.addColumn("Name");
    table.addColumn("Dateigröße", true);
    // The cell step escapes texts from files for HTML; typed texts stay as typed.
    table.addRow({QStringLiteral("a&amp;b &lt;c&gt;.txt"), QStringLiteral("1,000 KB")});
    // A link counts from its first ">": its visible text (7, an entity counting one) plus five.
    table.addRow({QStringLiteral(R"(<a href="file:///x/a&amp;b.txt">a&amp;b.txt</a>)"),
                  QStringLiteral("&quot;q&quot;")});
    const QString right = QStringLiteral(R"(<td align="right" style="padding-right: 10px">)");
    EXPECT_EQ(table.lines(OutputFormat::Htm),
              QStringList({QStringLiteral("<h1>Tom & <b>Jerry</b></h1>"), tableOpening,
                           QStringLiteral(R"(<tr><td width="128"><strong>Name</strong></td>)"
                                          R"(<td align="right" width="110" style="padding-right: 10px">)"
                                          R"(<strong>Dateigröße</strong></td></tr>)"),
                           QStringLiteral("<tr><td>a&amp;b &lt;c&gt;.txt</td>") + right +
                               QStringLiteral("1,000 KB</td></tr>"),
                           QStringLiteral(R"(<tr><td><a href="file:///x/a&amp;b.txt">a&amp;b.txt</a></td>)") +
                               right + QStringLiteral("&quot;q&quot;</td></tr>"),
                           QStringLiteral("</table><br>"), QStringLiteral("<i>2 Dateien; 0 Byte</i>"),
                           htmlFooter}));

    // Group keys arrive escaped too. Without column headers the first row of each table
    // carries the widths, counted as the reader sees the texts.
    table.setOn("des_allg_header_cb", false);
    table.setOn("des_allg_spaltenheader", false);
    table.setOn("des_grup_ja", true);
    table.cells = {{QStringLiteral("a&amp;b"), QStringLiteral("1"), QStringLiteral("Tom &amp; Jerry"),
                    QStringLiteral("0")}};
    const QStringList lines = table.lines(OutputFormat::Htm);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.at(0), QStringLiteral("<h2>Tom &amp; Jerry</h2>"));
    EXPECT_EQ(lines.at(2), QStringLiteral(R"(<tr><td width="47">a&amp;b</td><td align="right" width="29")"
                                          R"( style="padding-right: 10px">1</td></tr>)"));
}

TEST(TableLayoutCsv, SeparatorEndAndEnclosureWithTabsAndDoubledQuotes)
{
    LayoutCase table;
    table.setOn("des_allg_header_cb", true); // CSV has no title, dash line, group heading or footer
    table.setOn("des_grup_ja", true);
    table.setCsv("csv_trenn", "%tab%");
    table.setCsv("csv_end", ";");
    table.setCsv("csv_inc", "\"");
    table.addColumn("Name");
    table.addColumn("Dateigröße", true);
    table.addGroupedRow(QStringLiteral("TXT"), {QStringLiteral("a.txt"), QStringLiteral("1,000 KB")}, 1000);
    table.addGroupedRow(QStringLiteral("TXT"), {QStringLiteral("say \"hi\".txt"), QStringLiteral("2 KB")},
                        2048);
    EXPECT_EQ(
        table.lines(OutputFormat::Csv),
        QStringList({QStringLiteral("\"Name\"\t\"Dateigröße\";"), QStringLiteral("\"a.txt\"\t\"1,000 KB\";"),
                     QStringLiteral("\"say \"\"hi\"\".txt\"\t\"2 KB\";")}));

    // Without an enclosure values stay as they are, unless a double quote or the separator
    // would split them: those are quoted as CSV readers expect.
    table.setCsv("csv_inc", "");
    table.setOn("des_allg_spaltenheader", false);
    EXPECT_EQ(table.lines(OutputFormat::Csv), QStringList({QStringLiteral("a.txt\t1,000 KB;"),
                                                           QStringLiteral("\"say \"\"hi\"\".txt\"\t2 KB;")}));
}

TEST(TableLayoutCsv, ValuesThatWouldSplitARecordAreQuotedOnlyWithoutAnEnclosure)
{
    LayoutCase table;
    table.setCsv("csv_trenn", "; ");
    table.addColumn("Name");
    table.addColumn("Pfad");
    table.addRow({QStringLiteral("a; b.txt"), QStringLiteral("/x;y/")});
    table.addRow({QStringLiteral("cr\rlf\n.txt"), QStringLiteral("tab\tesc\x1b.txt")});
    table.addRow({QStringLiteral("\"q\""), QString()});
    // "; " is the separator, a lone ";" is not; TAB and ESC split nothing.
    EXPECT_EQ(table.lines(OutputFormat::Csv),
              QStringList({QStringLiteral("Name; Pfad"), QStringLiteral("\"a; b.txt\"; /x;y/"),
                           QStringLiteral("\"cr\rlf\n.txt\"; tab\tesc\x1b.txt"),
                           QStringLiteral("\"\"\"q\"\"\"; ")}));

    // With an enclosure every value is enclosed and only the enclosure is doubled.
    table.setCsv("csv_inc", "'");
    EXPECT_EQ(
        table.lines(OutputFormat::Csv),
        QStringList({QStringLiteral("'Name'; 'Pfad'"), QStringLiteral("'a; b.txt'; '/x;y/'"),
                     QStringLiteral("'cr\rlf\n.txt'; 'tab\tesc\x1b.txt'"), QStringLiteral("'\"q\"'; ''")}));
    table.cells = {{QStringLiteral("it's"), QStringLiteral("x")}};
    EXPECT_EQ(table.lines(OutputFormat::Csv).last(), QStringLiteral("'it''s'; 'x'"));
}
