// The workbook's number formats and sheet names.
#include "table/workbook_formats.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

TEST(WorkbookFormats, SizesShowTheirPlacesAndUnit)
{
    EXPECT_EQ(sizeNumberFormat(1, 3, true, false), QStringLiteral("0.000 \"KB\""));
    EXPECT_EQ(sizeNumberFormat(3, 1, true, true), QStringLiteral("#,##0.0 \"GB\""));
    // Bytes are whole; without the unit the cell holds the bytes.
    EXPECT_EQ(sizeNumberFormat(0, 3, true, false), QStringLiteral("0 \"Byte\""));
    EXPECT_EQ(sizeNumberFormat(2, 3, false, true), QStringLiteral("#,##0"));
}

TEST(WorkbookFormats, TimesFollowTheDateOptions)
{
    EXPECT_EQ(dateNumberFormat({QStringLiteral("System"), true, true}, germanFormat()),
              QStringLiteral("dd.mm.yyyy hh:mm:ss"));
    EXPECT_EQ(dateNumberFormat({QStringLiteral("yyyymmdd"), true, false}, germanFormat()),
              QStringLiteral("yyyymmdd"));
    // Letters that are no code of the table's patterns stand literally.
    EXPECT_EQ(dateNumberFormat({QStringLiteral("dd/mm/yy (x)"), true, true}, germanFormat()),
              QStringLiteral(R"(dd/mm/yy \(\x\) hh:mm:ss)"));
    EXPECT_EQ(dateNumberFormat({QStringLiteral("System"), false, true}, englishFormat()),
              QStringLiteral("hh:mm:ss"));
}

TEST(WorkbookFormats, SheetNamesAreCutAndCleanedAndNumbered)
{
    EXPECT_EQ(sheetName(QStringLiteral("Liste: [alle] *.jpg?"), 1), QStringLiteral("Liste_ _alle_ _.jpg_"));
    const QString longTitle = QStringLiteral("'A very long title of a list of files'");
    EXPECT_EQ(sheetName(longTitle, 1), QStringLiteral("_A very long title of a list of"));
    EXPECT_EQ(sheetName(longTitle, 2), QStringLiteral("_A very long title of a lis (2)"));
    EXPECT_EQ(sheetName(QString(), 3), QStringLiteral("Sheet3"));
}
