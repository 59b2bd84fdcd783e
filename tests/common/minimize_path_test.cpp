#include "common/minimize_path.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

int characters(const QString &text)
{
    return int(text.size());
}

// Every candidate minimizePath measures on its way down, and its answer, when nothing fits.
QStringList stepsOf(const QString &path)
{
    QStringList steps;
    const QString last = minimizePath(path, -1, [&steps](const QString &text) {
        steps.append(text);
        return characters(text);
    });
    steps.append(last);
    return steps;
}

} // namespace

TEST(minimizePath, CutsLeadingFoldersStepByStep)
{
    EXPECT_EQ(stepsOf(QStringLiteral("/home/me/a/b/tool.txt")),
              (QStringList{QStringLiteral("/home/me/a/b/tool.txt"), QStringLiteral("/.../me/a/b/tool.txt"),
                           QStringLiteral("/.../a/b/tool.txt"), QStringLiteral("/.../b/tool.txt"),
                           QStringLiteral("/.../tool.txt"), QStringLiteral(".../tool.txt"),
                           QStringLiteral("tool.txt")}));

    // The answer is the first step that fits, not merely any that does.
    EXPECT_EQ(minimizePath(QStringLiteral("/home/me/a/b/tool.txt"), 17, characters), u"/.../a/b/tool.txt");
    EXPECT_EQ(minimizePath(QStringLiteral("/home/me/a/b/tool.txt"), 16, characters), u"/.../b/tool.txt");

    // A folder that starts with "." is an ordinary folder, not an earlier marker.
    EXPECT_EQ(stepsOf(QStringLiteral("/.config/x/.y/n")),
              (QStringList{QStringLiteral("/.config/x/.y/n"), QStringLiteral("/.../x/.y/n"),
                           QStringLiteral("/.../.y/n"), QStringLiteral("/.../n"), QStringLiteral(".../n"),
                           QStringLiteral("n")}));
    EXPECT_EQ(stepsOf(QStringLiteral("/.a/b/c/file")),
              (QStringList{QStringLiteral("/.a/b/c/file"), QStringLiteral("/.../b/c/file"),
                           QStringLiteral("/.../c/file"), QStringLiteral("/.../file"),
                           QStringLiteral(".../file"), QStringLiteral("file")}));

    // A single folder still passes through the marker; a file at the root loses only the "/".
    EXPECT_EQ(stepsOf(QStringLiteral("/x/name")),
              (QStringList{QStringLiteral("/x/name"), QStringLiteral("/.../name"), QStringLiteral(".../name"),
                           QStringLiteral("name")}));
    EXPECT_EQ(stepsOf(QStringLiteral("/name")),
              (QStringList{QStringLiteral("/name"), QStringLiteral("name")}));

    // The folder steps alone, without the bare name that follows them.
    EXPECT_EQ(folderSteps(QStringLiteral("/home/me/")),
              (QStringList{QStringLiteral("/home/me/"), QStringLiteral("/.../me/"), QStringLiteral("/.../"),
                           QStringLiteral(".../")}));
    EXPECT_EQ(folderSteps(QString()), QStringList());

    // A relative path keeps no leading "/".
    EXPECT_EQ(stepsOf(QStringLiteral("a/b/c.txt")),
              (QStringList{QStringLiteral("a/b/c.txt"), QStringLiteral(".../b/c.txt"),
                           QStringLiteral(".../c.txt"), QStringLiteral("c.txt")}));
}

TEST(minimizePath, FittingPathsAndBareNames)
{
    EXPECT_EQ(minimizePath(QStringLiteral("/a/b.txt"), 8, characters), u"/a/b.txt");
    EXPECT_EQ(minimizePath(QStringLiteral("/a/b.txt"), 1000, characters), u"/a/b.txt");
    // Nothing to cut: a name stays whole even when it is too wide.
    EXPECT_EQ(minimizePath(QStringLiteral("a-very-long-name.txt"), 3, characters), u"a-very-long-name.txt");
    EXPECT_EQ(minimizePath(QString(), 0, characters), QString());
    // The name itself is never shortened, even when nothing fits.
    EXPECT_EQ(minimizePath(QStringLiteral("/a/b/long-name.txt"), 0, characters), u"long-name.txt");
    // A folder path ending in "/" has an empty name and shrinks to nothing.
    EXPECT_EQ(minimizePath(QStringLiteral("/a/b/"), 4, characters), u".../");
}

TEST(minimizePath, MeasuresInTheMeasuringFont)
{
    // DejaVu Sans Book at 11 pixels, unhinted, from the file of its package.
    const QFont font = measuringFont();
    const QFontInfo shown(font);
    EXPECT_EQ(shown.family(), u"DejaVu Sans");
    EXPECT_EQ(shown.styleName(), u"Book");
    EXPECT_TRUE(shown.exactMatch());
    EXPECT_EQ(shown.pixelSize(), 11);
    EXPECT_EQ(font.hintingPreference(), QFont::PreferNoHinting);
    const QRawFont fromFile(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"), 11);
    ASSERT_TRUE(fromFile.isValid());
    EXPECT_EQ(QRawFont::fromFont(font).fontTable("head"), fromFile.fontTable("head"));

    const QFontMetrics metrics(font);
    const auto width = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };
    const QString path = QStringLiteral("/usr/share/documentation/examples/tabulix/report.txt");
    const QString second = QStringLiteral("/.../share/documentation/examples/tabulix/report.txt");
    const QString third = QStringLiteral("/.../documentation/examples/tabulix/report.txt");
    ASSERT_GT(width(path), width(second));
    ASSERT_GT(width(second), width(third));

    EXPECT_EQ(minimizePath(path, width(path)), path);
    EXPECT_EQ(minimizePath(path, width(path) - 1), second);
    EXPECT_EQ(minimizePath(path, width(second)), second);
    EXPECT_EQ(minimizePath(path, width(second) - 1), third);
    EXPECT_EQ(minimizePath(path, (width(second) + width(third)) / 2), third);
    EXPECT_EQ(minimizePath(path, 1), u"report.txt");

    // A long path in the 353-pixel line keeps the marker, the trailing folders and the name.
    QString longPath;
    for (int i = 0; i < 30; ++i)
        longPath += QStringLiteral("/folder%1").arg(i);
    longPath += QStringLiteral("/final.txt");
    const QString shortened = minimizePath(longPath, 353);
    EXPECT_LE(width(shortened), 353);
    EXPECT_TRUE(shortened.startsWith(u"/.../")) << shortened.toStdString();
    EXPECT_TRUE(shortened.endsWith(u"/folder28/folder29/final.txt")) << shortened.toStdString();
    // One more folder would not have fitted.
    const QString firstKept = shortened.mid(5).section(u'/', 0, 0);
    const int index = firstKept.mid(6).toInt();
    ASSERT_GT(index, 0);
    const QString oneMore = QStringLiteral("/.../folder%1/").arg(index - 1) + shortened.mid(5);
    EXPECT_GT(width(oneMore), 353);
}
