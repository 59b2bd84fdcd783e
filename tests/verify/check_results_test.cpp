#include "collect_test_support.h"
#include "python_json.h"
#include "verify/check_results.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray hostileName = "a<b & \"c\";\nd";

QList<ResultRow> everyStatus(const QString &folder)
{
    makeFile(folder + QStringLiteral("/same"), "123456789");
    makeFile(folder + u'/' + QString::fromUtf8(hostileName), "x");
    QDir(folder).mkdir(QStringLiteral("sub"));
    const QByteArray zeros(32, '0');
    Manifest manifest;
    manifest.entries = {{"same", {{ChecksumKind::CRC32, "181989fc"}}, std::nullopt, 1},
                        {hostileName, {{ChecksumKind::MD5, zeros}}, std::nullopt, 2},
                        {"gone", {{ChecksumKind::MD5, zeros}}, 5, 3},
                        {"missing", {{ChecksumKind::MD5, zeros}}, std::nullopt, 4},
                        {"sub", {{ChecksumKind::MD5, zeros}}, std::nullopt, 5}};
    const QList<FileCheck> checks = checkFiles(manifest.entries, QFile::encodeName(folder));
    return checkResultRows(manifest, checks, {{"fresh"}, {{2, "sub/moved"}}});
}

} // namespace

TEST(CheckResults, RowsWordsAndEveryFormat)
{
    QTemporaryDir folder;
    const QList<ResultRow> rows = everyStatus(folder.path());
    QStringList german, english;
    for (const ResultRow &row : rows) {
        german << statusWord(row.status, Language::German);
        english << statusWord(row.status, Language::English);
    }
    EXPECT_EQ(german.join(u' '), QStringLiteral("OK geändert verschoben fehlt unlesbar neu"));
    EXPECT_EQ(english.join(u' '), QStringLiteral("OK changed moved missing unreadable new"));
    EXPECT_EQ(statusCounts(rows), (std::array<qsizetype, FileStatusCount>{1, 1, 1, 1, 1, 1}));
    const QString md5OfX =
        QString::fromLatin1(QCryptographicHash::hash("x", QCryptographicHash::Md5).toHex());
    EXPECT_EQ(rows[1].found, md5OfX);
    EXPECT_EQ(rows[1].size, 1);
    EXPECT_EQ(rows[2].path, "sub/moved");
    EXPECT_EQ(rows[2].movedFrom, "gone");
    EXPECT_EQ(rows[2].size, 5);
    EXPECT_EQ(rows[5].expected, QString());

    // Plain text: padded, names escaped as the check's lines, the counts last.
    const QString text = QString::fromUtf8(*resultTable(rows, OutputFormat::Txt, Language::English));
    const QStringList lines = text.split(u'\n');
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Status      Path"))) << text.toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("\\a<b & \"c\";\\nd"))) << text.toStdString();
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("moved       gone -> sub/moved"))) << text.toStdString();
    EXPECT_EQ(lines.sliced(lines.size() - 3),
              (QStringList{QString(),
                           QStringLiteral("OK: 1; changed: 1; missing: 1; new: 1; moved: 1; unreadable: 1"),
                           QString()}));

    const QJsonArray records =
        pythonJson(
            QStringLiteral(
                "import csv, json, sys; print(json.dumps(list(csv.reader(sys.stdin, delimiter=';'))))"),
            *resultTable(rows, OutputFormat::Csv, Language::German))
            .array();
    ASSERT_EQ(records.size(), 8);
    EXPECT_EQ(records[0].toArray()[2].toString(), QStringLiteral("Erwartete Prüfsumme"));
    EXPECT_EQ(records[2].toArray()[1].toString(), QString::fromUtf8(hostileName));
    EXPECT_EQ(records[7].toArray()[0].toString(),
              QStringLiteral("OK: 1; geändert: 1; fehlt: 1; neu: 1; verschoben: 1; unlesbar: 1"));

    const QByteArray html = *resultTable(rows, OutputFormat::Htm, Language::German);
    EXPECT_TRUE(html.contains("<td>a&lt;b &amp; &quot;c&quot;;\nd</td>")) << html.constData();
    EXPECT_FALSE(html.contains("a<b"));

    // JSON speaks English whatever the language.
    QJsonParseError error;
    const QJsonObject json =
        QJsonDocument::fromJson(*resultTable(rows, OutputFormat::Json, Language::German), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray jsonRows = json[QStringLiteral("rows")].toArray();
    ASSERT_EQ(jsonRows.size(), 6);
    EXPECT_EQ(jsonRows[1][QStringLiteral("status")].toString(), QStringLiteral("changed"));
    EXPECT_EQ(jsonRows[1][QStringLiteral("found")].toString(), md5OfX);
    EXPECT_EQ(jsonRows[2][QStringLiteral("movedFrom")].toString(), QStringLiteral("gone"));
    EXPECT_TRUE(jsonRows[5][QStringLiteral("size")].isNull());
    EXPECT_EQ(json[QStringLiteral("counts")][QStringLiteral("unreadable")].toInt(), 1);

    EXPECT_EQ(resultTable(rows, OutputFormat::Xlsx, Language::English), std::nullopt);
}
