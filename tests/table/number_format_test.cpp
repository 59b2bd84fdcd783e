#include "table/number_format.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace {

QString english(double value, int decimals)
{
    return formatNumber(value, decimals, englishFormat());
}

} // namespace

TEST(formatNumber, KeepsEightSignificantDigitsAndFillsTheDecimals)
{
    EXPECT_EQ(english(1023 / 1024.0, 3), QStringLiteral("0.999"));
    EXPECT_EQ(english(0, 3), QStringLiteral("0.000"));
    EXPECT_EQ(english(0, 0), QStringLiteral("0"));
    EXPECT_EQ(english(1234567, 0), QStringLiteral("1,234,567"));
    EXPECT_EQ(english(12345.678901, 5), QStringLiteral("12,345.67900"));
    EXPECT_EQ(english(0.000123456789, 10), QStringLiteral("0.0001234568"));
    EXPECT_EQ(english(99999999, 2), QStringLiteral("99,999,999.00"));
    EXPECT_EQ(formatNumber(1234567.891, 3, germanFormat()), QStringLiteral("1.234.567,900"));
    EXPECT_EQ(formatNumber(-1234.5, 1, germanFormat()), QStringLiteral("-1.234,5"));

    LocaleFormat ungrouped = englishFormat();
    ungrouped.thousandsSeparator.clear();
    EXPECT_EQ(formatNumber(1234567, 0, ungrouped), QStringLiteral("1234567"));
}

TEST(formatNumber, RoundsHalvesAwayFromZeroOnTheExactValue)
{
    // Binary rounding to even would give 2, 0.12 and -2 here.
    EXPECT_EQ(english(2.5, 0), QStringLiteral("3"));
    EXPECT_EQ(english(0.125, 2), QStringLiteral("0.13"));
    EXPECT_EQ(english(-2.5, 0), QStringLiteral("-3"));
    EXPECT_EQ(english(512 / 1024.0, 0), QStringLiteral("1"));
    // 1.005 is stored a little below the half, 0.165 a little above it.
    EXPECT_EQ(english(1.005, 2), QStringLiteral("1.00"));
    EXPECT_EQ(english(0.165, 2), QStringLiteral("0.17"));
    EXPECT_EQ(english(123456785, 0), QStringLiteral("1.2345679E8"));
    EXPECT_EQ(english(9.9999999996, 3), QStringLiteral("10.000"));
    EXPECT_EQ(english(-0.0001, 3), QStringLiteral("0.000")); // rounds to zero: no sign
}

TEST(formatNumber, WritesMoreThanEightIntegerDigitsScientifically)
{
    EXPECT_EQ(english(123456789, 0), QStringLiteral("1.2345679E8"));
    EXPECT_EQ(formatNumber(123456789, 0, germanFormat()), QStringLiteral("1,2345679E8"));
    EXPECT_EQ(english(1.5e11, 3), QStringLiteral("1.5E011"));
    EXPECT_EQ(english(1.5e11, 1), QStringLiteral("1.5E11"));
    EXPECT_EQ(english(1.5e11, 4), QStringLiteral("1.5E0011"));
    EXPECT_EQ(english(1.5e11, 5), QStringLiteral("1.5E11"));
    EXPECT_EQ(english(1e9, 2), QStringLiteral("1E09"));
    EXPECT_EQ(english(99999999.5, 0), QStringLiteral("1E8")); // the carry adds a ninth digit
    EXPECT_EQ(english(-123456789, 0), QStringLiteral("-1.2345679E8"));
}

TEST(sizeText, PicksTheUnitByDecimalDigitsAndDividesBy1024)
{
    EXPECT_EQ(sizeText(999, englishFormat()), QStringLiteral("999 Byte"));
    EXPECT_EQ(sizeText(1000, englishFormat()), QStringLiteral("0.977 KB"));
    EXPECT_EQ(sizeText(1000, germanFormat()), QStringLiteral("0,977 KB"));
    EXPECT_EQ(sizeText(999999, germanFormat()), QStringLiteral("976,562 KB")); // 976.5615...
    EXPECT_EQ(sizeText(1234567, germanFormat()), QStringLiteral("1,177 MB"));
    EXPECT_EQ(sizeText(999999999999, germanFormat()), QStringLiteral("931,323 GB"));
    EXPECT_EQ(sizeText(1000000000000, germanFormat()), QStringLiteral("0,909 TB"));
    EXPECT_EQ(sizeText(0, germanFormat()), QStringLiteral("0 Byte"));
    // The minus sign counts as a digit.
    EXPECT_EQ(sizeText(-99, germanFormat()), QStringLiteral("-99 Byte"));
    EXPECT_EQ(sizeText(-1000, germanFormat()), QStringLiteral("-0,977 KB"));
}
