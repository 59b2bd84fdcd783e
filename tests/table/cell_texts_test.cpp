#include "common/minimize_path.h"
#include "common/settings.h"
#include "table/cell_texts.h"
#include "table/html_text.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace {

struct CellTextsTest : MainSettingsTest {

    QString cell(ColumnKind kind, const FileEntry &row, OutputFormat output = OutputFormat::Txt,
                 const LocaleFormat &format = germanFormat()) const
    {
        return CellTexts(settings, format, output).cellText(kind, row);
    }
    QString cell(ColumnKind kind, const RowFacts &facts, const LocaleFormat &format = germanFormat()) const
    {
        return cell(kind, makeRow(facts, format), OutputFormat::Txt, format);
    }
    QString size(qint64 bytes, const LocaleFormat &format = englishFormat()) const
    {
        return cell(ColumnKind::Size, RowFacts{.path = QStringLiteral("/f"), .bytes = bytes}, format);
    }
};

RowFacts at(const QString &path)
{
    return RowFacts{.path = path};
}

} // namespace

TEST_F(CellTextsTest, NameWithoutExtensionLosesEveryOccurrence)
{
    EXPECT_EQ(cell(ColumnKind::FileName, at(QStringLiteral("/d/report.txt.txt"))),
              QStringLiteral("report.txt.txt"));
    set("act_name_endung", false);
    EXPECT_EQ(cell(ColumnKind::FileName, at(QStringLiteral("/d/report.txt.txt"))), QStringLiteral("report"));
    EXPECT_EQ(cell(ColumnKind::FileName, at(QStringLiteral("/d/.profile"))), QString());
    EXPECT_EQ(cell(ColumnKind::FileName, at(QStringLiteral("/d/README"))), QStringLiteral("README"));
    EXPECT_EQ(cell(ColumnKind::FileName, at(QStringLiteral("/d/a.TXT.txt"))), QStringLiteral("a.TXT"));
    EXPECT_EQ(cell(ColumnKind::Format, at(QStringLiteral("/d/a.tar.gz"))), QStringLiteral("GZ"));
    EXPECT_EQ(cell(ColumnKind::WindowsType, at(QStringLiteral("/d/a.txt"))), QStringLiteral("Textdokument"));
}

TEST_F(CellTextsTest, SizeFollowsUnitDecimalsAndSeparatorOptions)
{
    EXPECT_EQ(size(1023), QStringLiteral("0.999 KB"));
    EXPECT_EQ(size(0), QStringLiteral("0.000 KB"));
    EXPECT_EQ(size(1234567, germanFormat()), QStringLiteral("1.205,632 KB"));
    set("act_size_einheit", QStringLiteral("MB"));
    EXPECT_EQ(size(1234567), QStringLiteral("1.177 MB"));
    set("act_size_einheit", QStringLiteral("GB"));
    EXPECT_EQ(size(qint64(3) << 30), QStringLiteral("3.000 GB"));
    set("act_size_einheit", QStringLiteral("TB"));
    EXPECT_EQ(size(qint64(1) << 39), QStringLiteral("0.500 TB"));
    set("act_size_einheit", QStringLiteral("PB"));
    EXPECT_EQ(size(1234567), QString());

    set("act_size_einheit", QStringLiteral("Byte"));
    set("act_size_nks", QStringLiteral("5")); // bytes never have places
    EXPECT_EQ(size(1234567), QStringLiteral("1,234,567 Byte"));
    EXPECT_EQ(size(123456789), QStringLiteral("1.2345679E8 Byte"));
    set("act_size_1000", false);
    EXPECT_EQ(size(1234567), QStringLiteral("1234567 Byte"));
    EXPECT_EQ(size(1234567, germanFormat()), QStringLiteral("1234567 Byte"));
    set("act_size_1000", true);
    set("act_size_showunit", false);
    set("act_size_einheit", QStringLiteral("KB"));
    EXPECT_EQ(size(123456789), QStringLiteral("1.2345679E8"));
    EXPECT_EQ(size(1234567), QStringLiteral("1,234,567"));

    set("act_size_showunit", true);
    for (const QString &notANumber :
         {QString(), QStringLiteral("abc"), QStringLiteral("-1"), QStringLiteral("2.5")}) {
        set("act_size_nks", notANumber);
        EXPECT_EQ(size(1536), QStringLiteral("1.500 KB")) << notANumber.toStdString();
    }
    set("act_size_nks", QStringLiteral("0"));
    EXPECT_EQ(size(2560), QStringLiteral("3 KB"));
    set("act_size_nks", QStringLiteral("12"));
    EXPECT_EQ(size(1536), QStringLiteral("1.500000000000 KB"));
}

TEST_F(CellTextsTest, DatesFollowPatternAndSwitches)
{
    const RowFacts facts = at(QStringLiteral("/d/a.txt"));
    EXPECT_EQ(cell(ColumnKind::Created, facts), QStringLiteral("04.03.2009 14:05:09"));
    const std::pair<const char *, const char *> patterns[] = {
        {"dd.mm.yyyy", "04.03.2009 14:05:09"}, {"dd/mm/yyyy", "04/03/2009 14:05:09"},
        {"mm/dd/yyyy", "03/04/2009 14:05:09"}, {"yyyymmdd", "20090304 14:05:09"},
        {"yyyy-mm-dd", "2009-03-04 14:05:09"}, {"yy-mm-dd", "09-03-04 14:05:09"}};
    for (const auto &[pattern, expected] : patterns) {
        set("act_datum_zugegriffen_format", QString::fromUtf8(pattern));
        EXPECT_EQ(cell(ColumnKind::Accessed, facts), QString::fromUtf8(expected));
        // English rows hold other texts; the value behind them is the same.
        EXPECT_EQ(cell(ColumnKind::Accessed, facts, englishFormat()), QString::fromUtf8(expected));
    }
    EXPECT_EQ(cell(ColumnKind::Created, facts), QStringLiteral("04.03.2009 14:05:09")); // own settings

    set("act_datum_changed_format", QStringLiteral("dd/mm/yyyy"));
    LocaleFormat dotted = germanFormat();
    dotted.timeSeparator = QStringLiteral(".");
    EXPECT_EQ(cell(ColumnKind::Changed, makeRow(facts), OutputFormat::Txt, dotted),
              QStringLiteral("04/03/2009 14.05.09"));
    set("act_datum_changed_date", false);
    EXPECT_EQ(cell(ColumnKind::Changed, facts), QStringLiteral("14:05:09"));
    set("act_datum_changed_date", true);
    set("act_datum_changed_uhrzeit", false);
    EXPECT_EQ(cell(ColumnKind::Changed, facts), QStringLiteral("04/03/2009"));
    set("act_datum_changed_date", false);
    EXPECT_EQ(cell(ColumnKind::Changed, facts), QString());

    // A row without the value (read from a list file) is read back from its text.
    FileEntry textOnly = makeRow(facts);
    textOnly.changed = QDateTime();
    set("act_datum_changed_date", true);
    set("act_datum_changed_uhrzeit", true);
    EXPECT_EQ(cell(ColumnKind::Changed, textOnly), QStringLiteral("04/03/2009 14:05:09"));
    // An unknown time stays empty whatever the pattern.
    EXPECT_EQ(cell(ColumnKind::Changed, RowFacts{.path = QStringLiteral("/d/a"), .when = QDateTime()}),
              QString());
}

TEST_F(CellTextsTest, MidnightHasNoTimePartInTheSystemFormat)
{
    const RowFacts midnight{.path = QStringLiteral("/d/a.txt"),
                            .when = QDateTime(QDate(2009, 12, 24), QTime(0, 0), Qt::UTC)};
    EXPECT_EQ(cell(ColumnKind::Created, midnight), QStringLiteral("24.12.2009"));
    set("act_datum_erstellt_date", false);
    EXPECT_EQ(cell(ColumnKind::Created, midnight), QStringLiteral("24.12.2009")); // no blank to cut at
    set("act_datum_erstellt_date", true);
    set("act_datum_erstellt_uhrzeit", false);
    EXPECT_EQ(cell(ColumnKind::Created, midnight), QString());
    set("act_datum_erstellt_uhrzeit", true);
    set("act_datum_erstellt_format", QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(cell(ColumnKind::Created, midnight), QStringLiteral("2009-12-24 00:00:00"));
}

TEST_F(CellTextsTest, AttributesAreTestedForTheLetterN)
{
    set("act_attribute_hidden_ja", QStringLiteral("X"));
    set("act_attribute_hidden_nein", QStringLiteral("-"));
    set("act_attribute_readonly_ja", QStringLiteral("schreibgeschützt"));
    for (const Language language : {Language::German, Language::English}) {
        RowFacts facts{
            .path = QStringLiteral("/d/.a"), .hidden = true, .readOnly = false, .language = language};
        EXPECT_EQ(cell(ColumnKind::Hidden, facts), QStringLiteral("X"))
            << languageCode(language).toStdString();
        EXPECT_EQ(cell(ColumnKind::ReadOnly, facts), QStringLiteral("nein"))
            << languageCode(language).toStdString();
        facts.hidden = false;
        facts.readOnly = true;
        EXPECT_EQ(cell(ColumnKind::Hidden, facts), QStringLiteral("-"))
            << languageCode(language).toStdString();
        EXPECT_EQ(cell(ColumnKind::ReadOnly, facts), QStringLiteral("schreibgeschützt"))
            << languageCode(language).toStdString();
    }
}

TEST_F(CellTextsTest, ProgramAndPathPartsFollowTheirOptions)
{
    const RowFacts facts = at(QStringLiteral("/home/me/x.txt"));
    EXPECT_EQ(cell(ColumnKind::Program, facts), QStringLiteral("cat"));
    set("act_exeprog_pfad", true);
    EXPECT_EQ(cell(ColumnKind::Program, facts), QStringLiteral("/usr/bin/cat"));
    set("act_exeprog_name", false);
    EXPECT_EQ(cell(ColumnKind::Program, facts), QStringLiteral("/usr/bin/"));
    set("act_exeprog_pfad", false);
    EXPECT_EQ(cell(ColumnKind::Program, facts), QString());

    EXPECT_EQ(cell(ColumnKind::Path, facts), QStringLiteral("/home/me/x.txt"));
    set("act_pfad_endung", false);
    EXPECT_EQ(cell(ColumnKind::Path, facts), QStringLiteral("/home/me/x"));
    set("act_pfad_direkterordner", true);
    EXPECT_EQ(cell(ColumnKind::Path, facts), QStringLiteral("/me/x"));
    EXPECT_EQ(cell(ColumnKind::Path, at(QStringLiteral("/x.txt"))), QStringLiteral("/x"));
    set("act_pfad_datei", false);
    EXPECT_EQ(cell(ColumnKind::Path, facts), QStringLiteral("/me/"));
    EXPECT_EQ(cell(ColumnKind::Path, at(QStringLiteral("/x.txt"))), QStringLiteral("/"));
    set("act_pfad_direkterordner", false);
    EXPECT_EQ(cell(ColumnKind::Path, facts), QStringLiteral("/home/me/"));

    set("act_pfad_datei", true);
    set("act_pfad_endung", true);
    set("act_pfad_kurz", true);
    const QString deep =
        QStringLiteral("/home/someone/projects/2009/reports/quarterly/final/summary-of-the-year.txt");
    const QString shortened = cell(ColumnKind::Path, at(deep));
    EXPECT_EQ(shortened, minimizePath(deep, 200));
    EXPECT_TRUE(shortened.startsWith(QStringLiteral("/.../"))) << shortened.toStdString();
    EXPECT_TRUE(shortened.endsWith(QStringLiteral("/summary-of-the-year.txt")));
    EXPECT_EQ(cell(ColumnKind::Path, facts), QStringLiteral("/home/me/x.txt")); // fits already
}

TEST_F(CellTextsTest, HtmlLinksToTheFileUrlAndEscapesFileTexts)
{
    set("act_name_htmllink", true);
    set("act_pfad_htmllink", true);
    RowFacts facts = at(QStringLiteral("/home/me/a b&c<d>.txt"));
    facts.md5 = QStringLiteral("\"quoted\"");
    const FileEntry row = makeRow(facts);

    const QString name = cell(ColumnKind::FileName, row, OutputFormat::Htm);
    EXPECT_EQ(name, QStringLiteral(
                        "<a href=\"file:///home/me/a%20b&amp;c%3Cd%3E.txt\">a b&amp;c&lt;d&gt;.txt</a>"));
    EXPECT_EQ(htmlVisibleLength(name), QStringLiteral("a b&c<d>.txt").size() + 5);
    set("act_pfad_endung", false);
    EXPECT_EQ(
        cell(ColumnKind::Path, row, OutputFormat::Htm),
        QStringLiteral("<a href=\"file:///home/me/a%20b&amp;c%3Cd%3E.txt\">/home/me/a b&amp;c&lt;d&gt;</a>"));
    EXPECT_EQ(cell(ColumnKind::Format, makeRow(at(QStringLiteral("/d/x.a&b"))), OutputFormat::Htm),
              QStringLiteral("A&amp;B"));
    EXPECT_EQ(CellTexts(settings, germanFormat(), OutputFormat::Htm).checksumCell(ChecksumKind::MD5, row),
              QStringLiteral("&quot;quoted&quot;"));
    EXPECT_EQ(htmlVisibleLength(QStringLiteral("A&amp;B")), 3);

    // Outside HTML the link options do nothing and nothing is escaped.
    for (const OutputFormat output :
         {OutputFormat::Txt, OutputFormat::Csv, OutputFormat::Gif, OutputFormat::Bmp}) {
        EXPECT_EQ(cell(ColumnKind::FileName, row, output), QStringLiteral("a b&c<d>.txt"));
        EXPECT_EQ(cell(ColumnKind::Path, row, output), QStringLiteral("/home/me/a b&c<d>"));
    }
    set("act_name_htmllink", false);
    EXPECT_EQ(cell(ColumnKind::FileName, row, OutputFormat::Htm), QStringLiteral("a b&amp;c&lt;d&gt;.txt"));

    // Non-ASCII names are percent-encoded as UTF-8 in the link only.
    const FileEntry umlaut = makeRow(at(QStringLiteral("/tmp/Ä.txt")));
    EXPECT_EQ(cell(ColumnKind::Path, umlaut, OutputFormat::Htm),
              QStringLiteral("<a href=\"file:///tmp/%C3%84.txt\">/tmp/Ä</a>"));
}

TEST_F(CellTextsTest, ControlCharactersFromFilesShowAsQuestionMarksInTextsAndPictures)
{
    RowFacts facts = at(QStringLiteral("/tmp/e\x1b[2J/a\tb\r\nc\x7f.t\x01t"));
    facts.typeName = QStringLiteral("Typ\n2");
    facts.program = QStringLiteral("/usr/bin/v\x1bi");
    const FileEntry row = makeRow(facts);
    set("act_exeprog_pfad", true);
    set("act_exeprog_name", true);
    set("act_attribute_hidden_nein", QStringLiteral("n\tein"));
    for (const OutputFormat output :
         {OutputFormat::Txt, OutputFormat::Gif, OutputFormat::Jpg, OutputFormat::Bmp}) {
        EXPECT_EQ(cell(ColumnKind::FileName, row, output), QStringLiteral("a?b??c?.t?t"));
        EXPECT_EQ(cell(ColumnKind::Path, row, output), QStringLiteral("/tmp/e?[2J/a?b??c?.t?t"));
        EXPECT_EQ(cell(ColumnKind::Format, row, output), QStringLiteral("T?T"));
        EXPECT_EQ(cell(ColumnKind::WindowsType, row, output), QStringLiteral("Typ?2"));
        EXPECT_EQ(cell(ColumnKind::Program, row, output), QStringLiteral("/usr/bin/v?i"));
        EXPECT_EQ(CellTexts(settings, germanFormat(), output).escapedForOutput(QStringLiteral("/d\n/")),
                  QStringLiteral("/d?/"));
        // A text the user typed stays as typed.
        EXPECT_EQ(cell(ColumnKind::Hidden, row, output), QStringLiteral("n\tein"));
    }
    // CSV keeps every character (its quoting carries them); HTML escapes markup only.
    EXPECT_EQ(cell(ColumnKind::FileName, row, OutputFormat::Csv), QStringLiteral("a\tb\r\nc\x7f.t\x01t"));
    EXPECT_EQ(cell(ColumnKind::FileName, row, OutputFormat::Htm), QStringLiteral("a\tb\r\nc\x7f.t\x01t"));
}
