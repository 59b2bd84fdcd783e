// One table of five files in every layout, compared with the expected files in golden/.
#include "layout_test_support.h"
#include "table/html_text.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct File {
    const char *name;
    const char *format;
    const char *size;
    const char *created;
    qint64 bytes;
};

// In list order. The file without extension has an empty format, so grouped by format it
// forms the first group, which gets no heading.
const File files[] = {
    {"Bericht & Plan.txt", "TXT", "1,205 KB", "24.12.2009 13:45:10", 1234},
    {"notizen.txt", "TXT", "0,010 KB", "01.01.2010", 10},
    {"foto<1>.jpg", "JPG", "2.048,000 KB", "05.03.2011 08:00:01", 2097152},
    {"urlaub.jpg", "JPG", "512,500 KB", "05.03.2011 08:00:02", 524800},
    {"liesmich", "", "0,000 KB", "17.07.2012 23:59:59", 0},
};
// The order of the rows grouped by format.
const int groupOrder[] = {4, 2, 3, 0, 1};

// The cell step hands HTML output over escaped; every other format gets the plain texts.
void fillTable(LayoutCase &table, bool grouped, OutputFormat format)
{
    const auto text = [format](const char *plain) {
        const QString value = QString::fromUtf8(plain);
        return format == OutputFormat::Htm ? htmlEscaped(value) : value;
    };
    table.addColumn("Name");
    table.addColumn("Format");
    table.addColumn("Dateigröße", true);
    table.addColumn("Erstellt");
    for (int i = 0; i < 5; ++i) {
        const File &file = files[grouped ? groupOrder[i] : i];
        const QStringList texts = {text(file.name), text(file.format), text(file.size), text(file.created)};
        if (grouped)
            table.addGroupedRow(texts.at(1), texts, file.bytes);
        else
            table.addRow(texts, file.bytes);
    }
}

QStringList expectedLines(const QString &name)
{
    QFile file(QStringLiteral(TABULIX_TEST_DATA "/table/golden/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + file.fileName()};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeLast(); // after the final line break
    return lines;
}

} // namespace

TEST(TableLayoutGolden, OneTableInEveryLayout)
{
    const struct {
        const char *file;
        OutputFormat format;
        bool grouped;
        std::function<void(LayoutCase &)> adjust;
    } cases[] = {
        {"padded.txt", OutputFormat::Txt, false, [](LayoutCase &t) { t.setOn("des_allg_header_cb", true); }},
        {"delimited.txt", OutputFormat::Txt, false,
         [](LayoutCase &t) {
             t.setOn("des_allg_header_cb", true);
             t.setOn("des_tab_zeichen", true);
         }},
        {"grouped_padded.txt", OutputFormat::Txt, true, [](LayoutCase &) {}},
        {"table.htm", OutputFormat::Htm, false, [](LayoutCase &t) { t.setOn("des_allg_header_cb", true); }},
        {"grouped.htm", OutputFormat::Htm, true,
         [](LayoutCase &t) {
             t.setOn("des_allg_header_cb", true);
             t.setOn("des_grup_oben", true);
         }},
        {"table.csv", OutputFormat::Csv, false, [](LayoutCase &t) { t.setCsv("csv_inc", "\""); }},
        {"picture.txt", OutputFormat::Jpg, false, [](LayoutCase &t) { t.setOn("des_allg_header_cb", true); }},
    };
    for (const auto &[fileName, format, grouped, adjust] : cases) {
        SCOPED_TRACE(fileName);
        LayoutCase table;
        table.setOn("des_grup_ja", grouped);
        adjust(table);
        fillTable(table, grouped, format);
        EXPECT_EQ(table.lines(format), expectedLines(QString::fromUtf8(fileName)));
    }
}
