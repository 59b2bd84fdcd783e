// The formats written from the rows' values, read back by real consumers: JSON by a parser
// and compared with what stat says, Markdown rendered to HTML by Python-Markdown.
#include "cli_test_support.h"
#include "collect_test_support.h"
#include "file_write_test_support.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList jsonColumns =
    withSets({QStringLiteral("PBCH.act_datum_erstellt=0"), QStringLiteral("PBCH.act_datum_changed=1"),
              QStringLiteral("PBCH.act_attribute_hidden=1"), QStringLiteral("PBCH.act_attribute_readonly=1"),
              QStringLiteral("PBCH.act_pfad=1"), QStringLiteral("PBCH.act_checksum=1"),
              QStringLiteral("PBCH.act_checksum_md5=1"), QStringLiteral("PBCH.act_checksum_crc=0")});

QJsonObject parsed(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

// Every row against the file it names: size, change time, flags and digest as stat and the
// file's bytes give them.
void expectRowsMatchFiles(const QJsonArray &rows)
{
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        const QByteArray path = row.contains(u"pathBytes")
                                    ? QByteArray::fromBase64(row[u"pathBytes"].toString().toLatin1())
                                    : row[u"path"].toString().toUtf8();
        struct stat facts {};
        ASSERT_EQ(stat(path.constData(), &facts), 0) << path.constData();
        EXPECT_EQ(row[u"size"].toInteger(), facts.st_size);
        const QDateTime modified = QDateTime::fromString(row[u"modified"].toString(), Qt::ISODate);
        EXPECT_EQ(modified.toSecsSinceEpoch(), facts.st_mtime) << row[u"modified"].toString().toStdString();
        EXPECT_EQ(row[u"hidden"].toBool(), row[u"name"].toString().startsWith(u'.'));
        EXPECT_EQ(row[u"readOnly"].toBool(), access(path.constData(), W_OK) != 0);
        std::ifstream file(path.constData(), std::ios::binary);
        const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        EXPECT_EQ(row[u"md5"].toString().toLatin1(),
                  QCryptographicHash::hash(QByteArrayView(content.data(), qsizetype(content.size())),
                                           QCryptographicHash::Md5)
                      .toHex());
    }
}

// The cells of every table row of rendered Markdown, table by table, and the level-2 headings.
QJsonObject renderedTables(const QByteArray &markdown)
{
    return pythonJson(QStringLiteral(
                          "import html.parser, json, markdown, sys\n"
                          "page = markdown.markdown(sys.stdin.read(), extensions=['tables'])\n"
                          "class Cells(html.parser.HTMLParser):\n"
                          "    tables, headings, text, where = [], [], None, None\n"
                          "    def handle_starttag(self, tag, attrs):\n"
                          "        if tag == 'table': self.tables.append([])\n"
                          "        elif tag == 'tr': self.tables[-1].append([])\n"
                          "        elif tag in ('td', 'th', 'h2'): self.text, self.where = '', tag\n"
                          "    def handle_endtag(self, tag):\n"
                          "        if tag in ('td', 'th'): self.tables[-1][-1].append(self.text)\n"
                          "        elif tag == 'h2': self.headings.append(self.text)\n"
                          "        if tag == self.where: self.text = self.where = None\n"
                          "    def handle_data(self, data):\n"
                          "        if self.text is not None: self.text += data\n"
                          "cells = Cells(convert_charrefs=True)\n"
                          "cells.feed(page)\n"
                          "json.dump({'tables': cells.tables, 'headings': cells.headings}, sys.stdout)\n"),
                      markdown)
        .object();
}

} // namespace

TEST(CliValueFormats, JsonHoldsTheFilesRawValues)
{
    QTemporaryDir root;
    makeFile(root.filePath(QStringLiteral("liste/alpha.txt")), QByteArray(100, 'a'));
    makeFile(root.filePath(QStringLiteral("liste/.hidden")), "h");
    setFileTimes(makeFile(root.filePath(QStringLiteral("liste/unter/quote \" back\\slash.bin")), "q"),
                 QDateTime(QDate(2020, 5, 17), QTime(12, 34, 56), Qt::UTC));
    const QByteArray oddName = root.filePath(QStringLiteral("liste/odd")).toUtf8() + "\xff.txt";
    ::close(::open(oddName.constData(), O_CREAT | O_WRONLY, 0444));

    CliRun run = runCli(jsonColumns + QStringList{QStringLiteral("--format"), QStringLiteral("json"),
                                                  QStringLiteral("liste")},
                        root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QJsonObject document = parsed(run.out);
    EXPECT_TRUE(document[u"title"].isNull());
    QStringList keys;
    for (const QJsonValue &column : document[u"columns"].toArray())
        keys << column[u"key"].toString() + u'/' + column[u"align"].toString();
    EXPECT_EQ(keys, (QStringList{QStringLiteral("name/left"), QStringLiteral("size/right"),
                                 QStringLiteral("modified/left"), QStringLiteral("hidden/left"),
                                 QStringLiteral("readOnly/left"), QStringLiteral("path/left"),
                                 QStringLiteral("md5/left")}));
    const QJsonArray rows = document[u"rows"].toArray();
    ASSERT_EQ(rows.size(), 4);
    expectRowsMatchFiles(rows);
    EXPECT_EQ(document[u"totals"].toObject(),
              (QJsonObject{{QStringLiteral("files"), 4}, {QStringLiteral("bytes"), 102}}));
    // The odd name shows U+FFFD, and its bytes come back exactly.
    const auto odd = std::find_if(rows.begin(), rows.end(),
                                  [](const QJsonValue &row) { return row[u"pathBytes"].isString(); });
    ASSERT_NE(odd, rows.end());
    EXPECT_EQ((*odd)[u"name"].toString(), QStringLiteral("odd\uFFFD.txt"));

    // Saved with a title and groups: UTF-8 without a byte-order mark, each row naming its group.
    const QString saved = root.filePath(QStringLiteral("liste.json"));
    run =
        runCli(jsonColumns +
                   withSets({QStringLiteral("PBCH.des_allg_header_cb=1"),
                             QStringLiteral("PBED.des_allg_header=Liste \"1\""),
                             QStringLiteral("PBRB.des_grup_ja=1"), QStringLiteral("PBCB.des_grup=Ordner")}) +
                   QStringList{QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("-o"),
                               saved, QStringLiteral("liste")},
               root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QByteArray bytes = contentOf(saved);
    EXPECT_TRUE(bytes.startsWith('{'));
    document = parsed(bytes);
    EXPECT_EQ(document[u"title"].toString(), QStringLiteral("Liste \"1\""));
    QSet<QString> groups;
    for (const QJsonValue &row : document[u"rows"].toArray()) {
        EXPECT_TRUE(row[u"path"].toString().startsWith(row[u"group"].toString()));
        groups.insert(row[u"group"].toString());
    }
    EXPECT_EQ(groups.size(), 2);
    expectRowsMatchFiles(document[u"rows"].toArray());
    // Qt cannot name it to remove it with the folder.
    ::unlink(oddName.constData());
}

TEST(CliValueFormats, MarkdownKeepsEveryCellAndShowsNamesLiterally)
{
    const QStringList names = {QStringLiteral("pipe|name.txt"),  QStringLiteral("star*and_under_.txt"),
                               QStringLiteral("tick`code`.md"),  QStringLiteral("[link](x).txt"),
                               QStringLiteral("<b>bold<i>.htm"), QStringLiteral("back\\slash & amp;.txt"),
                               QStringLiteral("# hash.txt")};
    QTemporaryDir root;
    for (const QString &name : names)
        makeFile(root.filePath(QStringLiteral("liste/") + name), "x");
    const QStringList options = withSets({QStringLiteral("PBCH.act_name_endung=1"),
                                          QStringLiteral("PBCH.act_format_dateiformat=1")}) +
                                QStringList{QStringLiteral("--format"), QStringLiteral("md")};

    CliRun run = runCli(options + QStringList{QStringLiteral("liste")}, root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QJsonObject rendered = renderedTables(run.out);
    QJsonArray tables = rendered[u"tables"].toArray();
    ASSERT_EQ(tables.size(), 1) << run.out.constData();
    const QJsonArray rows = tables[0].toArray();
    ASSERT_EQ(rows.size(), names.size() + 1);
    QSet<QString> shown;
    for (const QJsonValue &row : rows) {
        EXPECT_EQ(row.toArray().size(), 4) << QJsonDocument(row.toArray()).toJson().constData();
        shown.insert(row[0].toString());
    }
    shown.remove(QStringLiteral("Name"));
    EXPECT_EQ(shown, QSet<QString>(names.begin(), names.end()));

    // Grouped by format: a heading and a table per group, the headers from the group option.
    run = runCli(options +
                     withSets({QStringLiteral("PBRB.des_grup_ja=1"), QStringLiteral("PBCB.des_grup=Format"),
                               QStringLiteral("PBCH.des_grup_oben=1")}) +
                     QStringList{QStringLiteral("liste")},
                 root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    rendered = renderedTables(run.out);
    tables = rendered[u"tables"].toArray();
    EXPECT_EQ(rendered[u"headings"].toArray(),
              (QJsonArray{QStringLiteral("HTM"), QStringLiteral("MD"), QStringLiteral("TXT")}));
    ASSERT_EQ(tables.size(), 3);
    EXPECT_EQ(tables[2].toArray().size(), 1 + 5);
    EXPECT_EQ(tables[2][0][0].toString(), QStringLiteral("Name"));
}
