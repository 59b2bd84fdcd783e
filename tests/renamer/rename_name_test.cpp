#include "renamer/rename_list.h"
#include "renamer/rename_name.h"

#include <gtest/gtest.h>

namespace {

RenameRule maskRule(const char *mask, const char *numberStart = "1")
{
    RenameRule rule;
    rule.mask = QString::fromUtf8(mask);
    rule.numberStart = QString::fromUtf8(numberStart);
    return rule;
}

QStringList namesOf(int entryCount, const RenameRule &rule)
{
    QStringList names;
    for (int position = 0; position < entryCount; ++position)
        names.append(renameName(QStringLiteral("x.jpg"), position, entryCount, rule));
    return names;
}

RenameRule replaceRule(bool inName, bool inExtension)
{
    RenameRule rule = maskRule("%name%");
    rule.replacing = true;
    rule.searchFor = QStringLiteral("jpg");
    rule.replaceWith = QStringLiteral("jpeg");
    rule.inName = inName;
    rule.inExtension = inExtension;
    return rule;
}

} // namespace

TEST(RenameName, PaddedNumbersTakeTheWidthOfTheEntryCount)
{
    const QStringList twelve = namesOf(12, maskRule("%0num%"));
    EXPECT_EQ(twelve.first(), QStringLiteral("01.jpg"));
    EXPECT_EQ(twelve[8], QStringLiteral("09.jpg"));
    EXPECT_EQ(twelve.last(), QStringLiteral("12.jpg"));
    EXPECT_EQ(namesOf(9, maskRule("%0num%")).last(), QStringLiteral("9.jpg"));
    const QStringList fromZero = namesOf(10, maskRule("%0num%", "0"));
    EXPECT_EQ(fromZero.first(), QStringLiteral("00.jpg"));
    EXPECT_EQ(fromZero.last(), QStringLiteral("09.jpg"));
    // A negative number keeps its sign in front of the zeros.
    EXPECT_EQ(renameName(QStringLiteral("x.jpg"), 0, 12, maskRule("%0num%_%num%", "-3")),
              QStringLiteral("-03_-3.jpg"));
    EXPECT_EQ(renameName(QStringLiteral("x.jpg"), 2, 3, maskRule("%0num%-%abs%")), QStringLiteral("3-3.jpg"));
    EXPECT_EQ(renameName(QStringLiteral("x.jpg"), 1, 3, maskRule("%name%_%num%")), QStringLiteral("x_2.jpg"));
    // A first number that is no whole number counts from 1.
    for (const char *start : {"", "abc", "1.5", "99999999999"})
        EXPECT_EQ(renameName(QStringLiteral("x.jpg"), 0, 1, maskRule("%num%", start)),
                  QStringLiteral("1.jpg"))
            << start;
}

TEST(RenameName, BaseDropsOnlyTheFinalExtension)
{
    EXPECT_EQ(renameBase(QStringLiteral("a.txt.txt")), QStringLiteral("a.txt"));
    EXPECT_EQ(renameBase(QStringLiteral("my.txtfile.txt")), QStringLiteral("my.txtfile"));
    EXPECT_EQ(renameBase(QStringLiteral("x.tar.gz")), QStringLiteral("x.tar"));
    EXPECT_EQ(renameBase(QStringLiteral("README")), QStringLiteral("README"));
    // The default mask renames nothing.
    for (const char *name : {"a.txt.txt", "my.txtfile.txt", "x.tar.gz", "README", ".hidden"})
        EXPECT_EQ(renameName(QString::fromUtf8(name), 0, 1, maskRule("%name%")), QString::fromUtf8(name));
    EXPECT_EQ(renameName(QString(), 0, 1, maskRule("%name%1")), QString());
}

TEST(RenameName, PlaceholdersAreExactAndApplyToWhatTheNameBrought)
{
    EXPECT_EQ(renameName(QStringLiteral("a%num%.txt"), 0, 1, maskRule("%name%")), QStringLiteral("a1.txt"));
    EXPECT_EQ(renameName(QStringLiteral("a%abs%.txt"), 0, 7, maskRule("%name%")), QStringLiteral("a7.txt"));
    EXPECT_EQ(renameName(QStringLiteral("a.txt"), 0, 1, maskRule("%NAME%")), QStringLiteral("%NAME%.txt"));
}

TEST(RenameName, SearchAndReplaceInEachOfTheFourPlaces)
{
    const QString file = QStringLiteral("jpg.jpg");
    EXPECT_EQ(renameName(file, 0, 1, replaceRule(true, false)), QStringLiteral("jpeg.jpg"));
    EXPECT_EQ(renameName(file, 0, 1, replaceRule(false, true)), QStringLiteral("jpg.jpeg"));
    EXPECT_EQ(renameName(file, 0, 1, replaceRule(true, true)), QStringLiteral("jpeg.jpeg"));
    EXPECT_EQ(renameName(file, 0, 1, replaceRule(false, false)), QStringLiteral("jpg.jpg"));
    EXPECT_EQ(renameName(QStringLiteral("a.jpg"), 0, 1, replaceRule(false, true)), QStringLiteral("a.jpeg"));
    // Across the dot only when both places are searched; case counts; left to right without overlap.
    RenameRule across = replaceRule(true, true);
    across.searchFor = QStringLiteral("a.J");
    across.replaceWith = QStringLiteral("_");
    EXPECT_EQ(renameName(QStringLiteral("a.Jpg"), 0, 1, across), QStringLiteral("_pg"));
    EXPECT_EQ(renameName(QStringLiteral("a.jpg"), 0, 1, across), QStringLiteral("a.jpg"));
    RenameRule overlap = replaceRule(true, false);
    overlap.searchFor = QStringLiteral("aa");
    overlap.replaceWith = QStringLiteral("b");
    EXPECT_EQ(renameName(QStringLiteral("aaa.txt"), 0, 1, overlap), QStringLiteral("ba.txt"));
    // An empty search text changes nothing; switched off, nothing is searched.
    RenameRule empty = replaceRule(true, true);
    empty.searchFor.clear();
    EXPECT_EQ(renameName(file, 0, 1, empty), file);
    RenameRule off = replaceRule(true, true);
    off.replacing = false;
    EXPECT_EQ(renameName(file, 0, 1, off), file);
}

TEST(RenameName, NamesThatAreNoNames)
{
    for (const QString &name : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a/b"),
                                QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))})
        EXPECT_FALSE(isUsableFileName(name)) << name.toStdString();
    for (const char *name : {"...", ".a", "a b", "ä:*?"})
        EXPECT_TRUE(isUsableFileName(QString::fromUtf8(name))) << name;
}

TEST(RenameList, SizesSortByNumberAndNameFlipsOnItsFirstClick)
{
    const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(renameSizeText(1536, german), QStringLiteral("1,500 KB"));
    EXPECT_EQ(renameSizeText(2000000, german), QStringLiteral("1953,125 KB"));
    EXPECT_EQ(renameSizeText(-1, german), QStringLiteral("-0,001 KB"));

    RenameList list(german);
    const auto entry = [&](const char *name, qint64 bytes) {
        return RenameEntry{0,
                           QString::fromUtf8(name),
                           QStringLiteral("TXT"),
                           renameSizeText(bytes, german),
                           QString(),
                           QStringLiteral("/f/") + QString::fromUtf8(name) + QStringLiteral(".txt")};
    };
    list.add(entry("b", 10 * 1024));
    list.add(entry("A", 9 * 1024));
    list.add(entry("c", 100 * 1024));
    const auto names = [&] {
        QStringList shown;
        for (int row = 0; row < list.count(); ++row)
            shown.append(list.at(row).name);
        return shown;
    };
    // New entries take their places: by name, without regard to case.
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    list.columnClick(RenameNameColumn);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("A")}));
    list.columnClick(RenameNameColumn);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    list.columnClick(RenameSizeColumn);
    EXPECT_FALSE(list.sortDescending());
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    list.add(entry("d", 5 * 1024));
    EXPECT_EQ(names().first(), QStringLiteral("d"));
    list.columnClick(RenameSizeColumn);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("A"),
                                    QStringLiteral("d")}));
}
