#include "common/locale_format.h"
#include "common/paths.h"

#include <gtest/gtest.h>

TEST(Paths, FolderNameAndExtensionParts)
{
    EXPECT_EQ(folderPart(QStringLiteral("/home/me/a.txt")), QStringLiteral("/home/me/"));
    EXPECT_EQ(namePart(QStringLiteral("/home/me/a.txt")), QStringLiteral("a.txt"));
    EXPECT_EQ(folderPart(QStringLiteral("a.txt")), QString());
    EXPECT_EQ(namePart(QStringLiteral("/home/me/")), QString());

    // The extension starts at the last dot of the name, never of a folder.
    EXPECT_EQ(extensionOf(QStringLiteral("/x/archive.tar.gz")), QStringLiteral(".gz"));
    EXPECT_EQ(extensionOf(QStringLiteral("/x.d/README")), QString());
    EXPECT_EQ(extensionOf(QStringLiteral("/x/.bashrc")), QStringLiteral(".bashrc"));
    EXPECT_EQ(extensionOf(QStringLiteral("/x/name.")), QStringLiteral("."));
    EXPECT_EQ(formatOfExtension(QStringLiteral("/x/a.Txt")), QStringLiteral("TXT"));
    EXPECT_EQ(formatOfExtension(QStringLiteral("/x/a")), QString());
}

TEST(LocaleFormat, GermanRoundTripsDatesWithFourDigitYearsAndNoZone)
{
    const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimalSeparator, QStringLiteral(","));
    EXPECT_EQ(german.thousandsSeparator, QStringLiteral("."));
    EXPECT_EQ(german.shortDatePattern, QStringLiteral("dd.MM.yyyy"));
    EXPECT_EQ(german.longTimePattern, QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(german.timeSeparator, QStringLiteral(":"));

    const QDateTime christmas(QDate(2009, 12, 24), QTime(13, 45, 10), Qt::UTC);
    EXPECT_EQ(german.dateTimeText(christmas), QStringLiteral("24.12.2009 13:45:10"));
    EXPECT_EQ(german.parseDateTime(QStringLiteral("24.12.2009 13:45:10")), christmas);

    // Exactly midnight leaves the time out, and reads back as midnight.
    const QDateTime midnight(QDate(2009, 12, 24), QTime(0, 0), Qt::UTC);
    EXPECT_EQ(german.dateTimeText(midnight), QStringLiteral("24.12.2009"));
    EXPECT_EQ(german.parseDateTime(QStringLiteral("24.12.2009")), midnight);
    EXPECT_FALSE(german.parseDateTime(QStringLiteral("not a date")).isValid());
    EXPECT_FALSE(german.parseDateTime(QString()).isValid());
}

TEST(LocaleFormat, EnglishKeepsItsDayPeriodAndReadsBack)
{
    const LocaleFormat english = LocaleFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.decimalSeparator, QStringLiteral("."));
    EXPECT_EQ(english.thousandsSeparator, QStringLiteral(","));
    EXPECT_TRUE(english.shortDatePattern.contains(QStringLiteral("yyyy")));
    EXPECT_FALSE(english.longTimePattern.contains(u't'));

    const QDateTime afternoon(QDate(2021, 3, 28), QTime(14, 5, 9), Qt::UTC);
    const QString text = english.dateTimeText(afternoon);
    EXPECT_TRUE(text.startsWith(QStringLiteral("3/28/2021"))) << text.toStdString();
    EXPECT_EQ(english.parseDateTime(text), afternoon);
}
