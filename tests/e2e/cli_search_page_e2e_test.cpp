// The page with search, read by an HTML parser (one head row of sorting headers, a body per
// group, every file a row whose size cell carries its bytes, the count line) and used in
// headless Chromium: sorting, searching, folding.
#include "cli_test_support.h"
#include "collect_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The head cells of the table a browser without script shows, its bodies with their rows'
// cells and sort values, the count line, and whether anything would be fetched from elsewhere.
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
                   "page.feed(sys.stdin.read().split('</noscript>')[0])\n"
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

TEST(CliSearchPage, ChromiumSortsSearchesAndFolds)
{
    QTemporaryDir root;
    for (const auto &[name, size] : {std::pair{"liste/b.txt", 2048}, std::pair{"liste/a.txt", 10},
                                     std::pair{"liste/Z.txt", 5}, std::pair{"liste/unter/c.jpg", 300}})
        makeFile(root.filePath(QString::fromUtf8(name)), QByteArray(size, 'x'));
    const QString page = root.filePath(QStringLiteral("liste.html"));
    const CliRun run = runCli({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--group-by"),
                               QStringLiteral("format"), QStringLiteral("--format"), QStringLiteral("html"),
                               QStringLiteral("-o"), page, QStringLiteral("liste")},
                              root.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    // The names shown in each group after each step, and the count line.
    const QJsonObject seen =
        pythonJson(
            QStringLiteral(
                "import json, sys\n"
                "from selenium import webdriver\n"
                "from selenium.webdriver.chrome.service import Service\n"
                "from selenium.webdriver.common.by import By\n"
                "options = webdriver.ChromeOptions()\n"
                "for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', "
                "'--disable-dev-shm-usage'):\n"
                "    options.add_argument(argument)\n"
                "browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)\n"
                "try:\n"
                "    browser.get('file://' + sys.argv[1])\n"
                "    def shown():\n"
                "        return [[row.find_elements(By.TAG_NAME, 'td')[0].text\n"
                "                 for row in body.find_elements(By.CSS_SELECTOR, 'tr:not(.group)') if "
                "row.is_displayed()]\n"
                "                for body in browser.find_elements(By.TAG_NAME, 'tbody')]\n"
                "    count = lambda: browser.find_element(By.ID, 'count').text\n"
                "    seen = {'start': count()}\n"
                "    headers = browser.find_elements(By.CSS_SELECTOR, 'thead th')\n"
                "    headers[1].click(); seen['bySize'] = shown()\n"
                "    headers[1].click(); seen['bySizeReversed'] = shown()\n"
                "    headers[0].click(); seen['byName'] = shown()\n"
                "    search = browser.find_element(By.ID, 'search')\n"
                "    search.send_keys('B.T'); seen['searched'] = shown(); seen['searchedCount'] = count()\n"
                "    search.send_keys('\\b\\b\\b'); seen['cleared'] = count()\n"
                "    browser.find_element(By.CSS_SELECTOR, 'tbody tr.group').click(); seen['folded'] = "
                "shown()\n"
                "    json.dump(seen, sys.stdout)\n"
                "finally:\n"
                "    browser.quit()\n"),
            {}, {page})
            .object();
    const auto groups = [](std::initializer_list<QStringList> lists) {
        QJsonArray array;
        for (const QStringList &names : lists)
            array.append(QJsonArray::fromStringList(names));
        return array;
    };
    const QStringList jpg = {QStringLiteral("c.jpg")};
    const QString a = QStringLiteral("a.txt"), b = QStringLiteral("b.txt"), z = QStringLiteral("Z.txt");
    EXPECT_EQ(seen[u"start"].toString(), QStringLiteral("4 of 4 Files"));
    // Sizes by value, then the other way; names in the language's collation, so "Z" comes last.
    EXPECT_EQ(seen[u"bySize"].toArray(), groups({jpg, {z, a, b}}));
    EXPECT_EQ(seen[u"bySizeReversed"].toArray(), groups({jpg, {b, a, z}}));
    EXPECT_EQ(seen[u"byName"].toArray(), groups({jpg, {a, b, z}}));
    // The search ignores case; the count follows it.
    EXPECT_EQ(seen[u"searched"].toArray(), groups({{}, {b}}));
    EXPECT_EQ(seen[u"searchedCount"].toString(), QStringLiteral("1 of 4 Files"));
    EXPECT_EQ(seen[u"cleared"].toString(), QStringLiteral("4 of 4 Files"));
    // A click on a group's heading folds it.
    EXPECT_EQ(seen[u"folded"].toArray(), groups({{}, {a, b, z}}));
}
