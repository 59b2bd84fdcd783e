// The page with search, read by an HTML parser: one head row of sorting headers, a body per
// group, every file a row whose size cell carries its bytes, and the count line.
#include "cli_test_support.h"
#include "collect_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The page's head cells, its bodies with their rows' cells and sort values, the count line,
// and whether anything would be fetched from elsewhere.
QJsonObject readPage(const QByteArray &page)
{
    return pythonJson(
               QStringLiteral(
                   "import html.parser, json, sys\n"
                   "class Page(html.parser.HTMLParser):\n"
                   "    head, bodies, count, fetches, cell, place = [], [], None, 0, None, None\n"
                   "    def handle_starttag(self, tag, attrs):\n"
                   "        attrs = dict(attrs)\n"
                   "        if 'src' in attrs or (tag == 'link' and 'href' in attrs): self.fetches += 1\n"
                   "        if tag == 'thead': self.place = 'head'\n"
                   "        elif tag == 'tbody': self.place = 'body'; self.bodies.append([])\n"
                   "        elif tag == 'tr' and self.place == 'body': self.bodies[-1].append([])\n"
                   "        elif tag in ('th', 'td'): self.cell = {'text': '', 'v': attrs.get('data-v')}\n"
                   "        elif tag == 'span' and attrs.get('id') == 'count': self.count = ''\n"
                   "    def handle_endtag(self, tag):\n"
                   "        if tag in ('th', 'td'):\n"
                   "            (self.head if self.place == 'head' else "
                   "self.bodies[-1][-1]).append(self.cell)\n"
                   "            self.cell = None\n"
                   "        elif tag == 'thead': self.place = None\n"
                   "        elif tag == 'span' and isinstance(self.count, str): self.count = [self.count]\n"
                   "    def handle_data(self, data):\n"
                   "        if self.cell is not None: self.cell['text'] += data\n"
                   "        if isinstance(self.count, str): self.count += data\n"
                   "page = Page(convert_charrefs=True)\n"
                   "page.feed(sys.stdin.read())\n"
                   "json.dump({'head': page.head, 'bodies': page.bodies, 'count': page.count[0],\n"
                   "           'fetches': page.fetches}, sys.stdout)\n"),
               page)
        .object();
}

} // namespace

TEST(CliSearchPage, TheWholeTableShowsWithItsGroupsAndCount)
{
    QTemporaryDir root;
    makeFile(root.filePath(QStringLiteral("liste/a<b>.txt")), QByteArray(2048, 'a'));
    makeFile(root.filePath(QStringLiteral("liste/c.jpg")), QByteArray(10, 'c'));
    makeFile(root.filePath(QStringLiteral("liste/d.txt")), QByteArray(5, 'd'));
    const QStringList options = {QStringLiteral("--set"), QStringLiteral("PBCH.act_name_endung=1"),
                                 QStringLiteral("--format"), QStringLiteral("html")};

    CliRun run = runCli(options + QStringList{QStringLiteral("liste")}, root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.startsWith("<!DOCTYPE html>"));
    QJsonObject page = readPage(run.out);
    EXPECT_EQ(page[u"fetches"].toInt(), 0);
    EXPECT_EQ(page[u"count"].toString(), QStringLiteral("3 von 3 Dateien"));
    QJsonArray head = page[u"head"].toArray();
    ASSERT_EQ(head.size(), 3);
    EXPECT_EQ(head[0][u"text"].toString(), QStringLiteral("Name"));
    QJsonArray bodies = page[u"bodies"].toArray();
    ASSERT_EQ(bodies.size(), 1);
    ASSERT_EQ(bodies[0].toArray().size(), 3);
    for (const QJsonValue &row : bodies[0].toArray()) {
        ASSERT_EQ(row.toArray().size(), 3);
        if (row[0][u"text"] == QStringLiteral("a<b>.txt")) {
            EXPECT_EQ(row[1][u"v"].toString(), QStringLiteral("2048"));
        }
    }

    // Grouped by format: a body per group, opened by its heading row.
    run =
        runCli(options + QStringList{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--set"),
                                     QStringLiteral("PBRB.des_grup_ja=1"), QStringLiteral("--set"),
                                     QStringLiteral("PBCB.des_grup=Format"), QStringLiteral("liste")},
               root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    page = readPage(run.out);
    EXPECT_EQ(page[u"count"].toString(), QStringLiteral("3 of 3 Files"));
    bodies = page[u"bodies"].toArray();
    ASSERT_EQ(bodies.size(), 2);
    EXPECT_TRUE(bodies[0][0][0][u"text"].toString().startsWith(QStringLiteral("JPG")));
    EXPECT_EQ(bodies[0].toArray().size(), 1 + 1);
    EXPECT_EQ(bodies[1].toArray().size(), 1 + 2);
}
