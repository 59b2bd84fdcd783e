#include "renamer/rename_name.h"

#include <gtest/gtest.h>

namespace {

RenameRule searchRule(const char *searchFor, const char *replaceWith, bool regex, bool ignoreCase = false)
{
    RenameRule rule;
    rule.replacing = true;
    rule.searchFor = QString::fromUtf8(searchFor);
    rule.replaceWith = QString::fromUtf8(replaceWith);
    rule.regex = regex;
    rule.ignoreCase = ignoreCase;
    return rule;
}

QString renamed(const char *fileName, const RenameRule &rule, const NameFacts &facts = {})
{
    return renameName(QString::fromUtf8(fileName), 0, 1, rule, facts);
}

} // namespace

TEST(RenameSearch, RegularExpressionsWithGroupsAndIgnoredCase)
{
    // Groups swap; \0 is the whole match; a digit past the groups is empty.
    EXPECT_EQ(renamed("IMG_2024_0815.jpg", searchRule("(\\d+)_(\\d+)", "\\2-\\1 [\\0]\\7", true)),
              QStringLiteral("IMG_0815-2024 [2024_0815].jpg"));
    // Every match, also one of no length, in the name alone while the switches say so.
    EXPECT_EQ(renamed("aXbx.txt", searchRule("x", "-", true, true)), QStringLiteral("a-b-.txt"));
    EXPECT_EQ(renamed("ab.txt", searchRule("^", "new ", true)), QStringLiteral("new ab.txt"));
    RenameRule extension = searchRule("^(.)", "\\1\\1", true);
    extension.inName = false;
    extension.inExtension = true;
    EXPECT_EQ(renamed("ab.txt", extension), QStringLiteral("ab..txt"));
    // Plain text ignores case too, and a backslash in it is only a backslash.
    EXPECT_EQ(renamed("Photo PHOTO.jpg", searchRule("photo", "Bild", false, true)),
              QStringLiteral("Bild Bild.jpg"));
    EXPECT_EQ(renamed("a.b.txt", searchRule(".", "\\1", false)), QStringLiteral("a\\1b.txt"));
    EXPECT_EQ(renamed("Photo.jpg", searchRule("photo", "Bild", false)), QStringLiteral("Photo.jpg"));

    // An invalid pattern says why and changes nothing; plain text has no problem.
    const RenameRule invalid = searchRule("(a", "b", true);
    EXPECT_FALSE(invalid.searchProblem().isEmpty());
    EXPECT_EQ(renamed("(a.txt", invalid), QStringLiteral("(a.txt"));
    EXPECT_TRUE(searchRule("(a", "b", false).searchProblem().isEmpty());
    RenameRule off = invalid;
    off.replacing = false;
    EXPECT_TRUE(off.searchProblem().isEmpty());
}

TEST(RenameSearch, PlaceholdersOfTheFileTheirFormatsAndCaseChanges)
{
    NameFacts facts;
    facts.extension = QStringLiteral("jpg");
    facts.folder = QStringLiteral("Urlaub %num%");
    facts.modified = QDateTime(QDate(2024, 5, 1), QTime(13, 45, 10), Qt::UTC);
    facts.taken = QDateTime(QDate(2023, 12, 24), QTime(18, 0, 5));
    facts.camera = QStringLiteral("Canon EOS");
    facts.artist = QStringLiteral("the band");
    facts.title = QStringLiteral("a song");
    facts.track = 3;
    facts.year = QStringLiteral("1999");
    RenameRule rule;
    const auto masked = [&](const char *mask) {
        rule.mask = QString::fromUtf8(mask);
        return renamed("photo.jpg", rule, facts);
    };
    EXPECT_EQ(masked("%name%_%ext%_%folder%"), QStringLiteral("photo_jpg_Urlaub %num%.jpg"));
    EXPECT_EQ(masked("%date% %time%"), QStringLiteral("2024-05-01 13-45-10.jpg"));
    EXPECT_EQ(masked("%date:yyyyMMdd%-%time:HH%"), QStringLiteral("20240501-13.jpg"));
    EXPECT_EQ(masked("%taken% %camera%"), QStringLiteral("2023-12-24 18-00-05 Canon EOS.jpg"));
    EXPECT_EQ(masked("%taken:yy-M-d%"), QStringLiteral("23-12-24.jpg"));
    EXPECT_EQ(masked("%track% %artist% - %title% (%year%)%album%"),
              QStringLiteral("03 the band - a song (1999).jpg"));
    // Case changes take the final text of all they enclose, nested ones too.
    EXPECT_EQ(masked("%upper:%name%-%artist%%"), QStringLiteral("PHOTO-THE BAND.jpg"));
    EXPECT_EQ(masked("%capital:%artist% %lower:%camera%%%"), QStringLiteral("The Band Canon Eos.jpg"));
    EXPECT_EQ(masked("%lower:%0num%X%"), QStringLiteral("1x.jpg"));
    // One that never ends, and names that are none, are text as before.
    EXPECT_EQ(masked("%upper:%name%"), QStringLiteral("%upper:photo.jpg"));
    EXPECT_EQ(masked("%ext:x% %nope% 100%"), QStringLiteral("%ext:x% %nope% 100%.jpg"));
    // A file without the facts gets empty parts.
    EXPECT_EQ(
        [] {
            RenameRule bare;
            bare.mask = QStringLiteral("%name%[%taken%][%track%]");
            return renamed("photo.jpg", bare);
        }(),
        QStringLiteral("photo[][].jpg"));
    EXPECT_EQ(missingTags(QStringLiteral("%taken:yyyy% %artist% %album% %ext%"), facts),
              QStringList{QStringLiteral("%album%")});
    EXPECT_TRUE(maskNeedsTags(QStringLiteral("%taken:yyyy%")));
    EXPECT_FALSE(maskNeedsTags(QStringLiteral("%date% %ext%")));
    EXPECT_FALSE(maskNeedsFacts(QStringLiteral("%name%%num%%0num%%abs%")));
}
