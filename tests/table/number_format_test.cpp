#include "table/number_format.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
const LocaleFormat english = LocaleFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));

QString number(double value, int decimals, const LocaleFormat &format = german)
{
    return FormatNumber(value, decimals, format);
}

} // namespace

TEST(FormatNumber, RoundsToEightSignificantDigitsOrTheDecimalsWhicheverKeepsFewer)
{
    EXPECT_EQ(number(1000.0 / 1024, 3), QStringLiteral("0,977"));
    EXPECT_EQ(number(1023.0 / 1024, 3, english), QStringLiteral("0.999"));
    EXPECT_EQ(number(0, 3, english), QStringLiteral("0.000"));
    EXPECT_EQ(number(0, 0), QStringLiteral("0"));
    EXPECT_EQ(number(1234567, 0), QStringLiteral("1.234.567"));
    EXPECT_EQ(number(1234567, 0, english), QStringLiteral("1,234,567"));
    EXPECT_EQ(number(12345678.9, 2), QStringLiteral("12.345.679,00"));
    EXPECT_EQ(number(1.23456789, 10), QStringLiteral("1,2345679000"));
    EXPECT_EQ(number(0.000123456789, 10), QStringLiteral("0,0001234568"));
    EXPECT_EQ(number(9.9996, 3), QStringLiteral("10,000"));
    EXPECT_EQ(number(999.9996, 3), QStringLiteral("1.000,000"));
    EXPECT_EQ(number(0.0004, 3), QStringLiteral("0,000"));

    // Halves go away from zero, also where the binary value lies just below the half.
    EXPECT_EQ(number(2.5, 0), QStringLiteral("3"));
    EXPECT_EQ(number(-2.5, 0), QStringLiteral("-3"));
    EXPECT_EQ(number(0.0005, 3), QStringLiteral("0,001"));
    EXPECT_EQ(number(1.0005, 3), QStringLiteral("1,001"));
    EXPECT_EQ(number(512.5, 0), QStringLiteral("513"));
    EXPECT_EQ(number(-1234.5, 1), QStringLiteral("-1.234,5"));
    // A negative value that rounds to zero is written as zero.
    EXPECT_EQ(number(-0.0001, 3), QStringLiteral("0,000"));

    LocaleFormat noGroups = english;
    noGroups.thousandsSeparator.clear();
    EXPECT_EQ(number(1234567.25, 2, noGroups), QStringLiteral("1234567.30"));
}

TEST(FormatNumber, BeyondEightIntegerDigitsTheScientificForm)
{
    EXPECT_EQ(number(123456789, 0, english), QStringLiteral("1.2345679E8"));
    EXPECT_EQ(number(123456789, 0), QStringLiteral("1,2345679E8"));
    EXPECT_EQ(number(1.5e11, 3, english), QStringLiteral("1.5E011"));
    EXPECT_EQ(number(1e9, 4, english), QStringLiteral("1E0009"));
    EXPECT_EQ(number(1e9, 5, english), QStringLiteral("1E9"));
    EXPECT_EQ(number(-2.5e12, 0, english), QStringLiteral("-2.5E12"));
    // Eight nines and a half carry into a ninth integer digit.
    EXPECT_EQ(number(99999999.5, 0, english), QStringLiteral("1E8"));
    EXPECT_EQ(number(99999999.4, 0, english), QStringLiteral("99,999,999"));
}

TEST(SizeText, UnitByDecimalCharactersDivisionByPowersOf1024)
{
    EXPECT_EQ(SizeText(0, german), QStringLiteral("0 Byte"));
    EXPECT_EQ(SizeText(999, german), QStringLiteral("999 Byte"));
    EXPECT_EQ(SizeText(1000, german), QStringLiteral("0,977 KB"));
    EXPECT_EQ(SizeText(1000, english), QStringLiteral("0.977 KB"));
    EXPECT_EQ(SizeText(999999, german), QStringLiteral("976,562 KB"));
    EXPECT_EQ(SizeText(1000000, german), QStringLiteral("0,954 MB"));
    EXPECT_EQ(SizeText(2623196, german), QStringLiteral("2,502 MB"));
    EXPECT_EQ(SizeText(1073741824, german), QStringLiteral("1,000 GB"));
    EXPECT_EQ(SizeText(999999999999, german), QStringLiteral("931,323 GB"));
    EXPECT_EQ(SizeText(1000000000000, german), QStringLiteral("0,909 TB"));
    EXPECT_EQ(SizeText(1099511627776000, english), QStringLiteral("1,000.000 TB"));
    // The minus sign counts as a character.
    EXPECT_EQ(SizeText(-99, german), QStringLiteral("-99 Byte"));
    EXPECT_EQ(SizeText(-1000, german), QStringLiteral("-0,977 KB"));
}
