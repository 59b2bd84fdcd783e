#include "table/output_settings.h"

#include <gtest/gtest.h>

namespace {

QRgb colourOf(const char *text)
{
    const std::optional<QColor> colour = edit1Colour(QString::fromUtf8(text));
    EXPECT_TRUE(colour) << text;
    return colour ? colour->rgb() : 0;
}

bool names(const char *text)
{
    return edit1Colour(QString::fromUtf8(text)).has_value();
}

} // namespace

TEST(OutputSettings, Edit1TextNamesAColourOnlyAsSixHexDigits)
{
    EXPECT_EQ(colourOf("#00ff80"), qRgb(0, 255, 128));
    // Every "#" goes, wherever it stands; case does not matter.
    EXPECT_EQ(colourOf("##00FF80"), qRgb(0, 255, 128));
    EXPECT_EQ(colourOf("00ff80"), qRgb(0, 255, 128));
    EXPECT_EQ(colourOf("#12#34#56#"), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(colourOf("#FFFFFF"), qRgb(255, 255, 255));

    EXPECT_FALSE(names("#12345"));
    EXPECT_FALSE(names("#1234567"));
    EXPECT_FALSE(names("#GGGGGG"));
    EXPECT_FALSE(names(""));
    EXPECT_FALSE(names("###"));
    EXPECT_FALSE(names("xyz"));
    // Six characters that a number parser would still read.
    EXPECT_FALSE(names("+12345"));
    EXPECT_FALSE(names("0x1234"));
    EXPECT_FALSE(names(" 12345"));
    EXPECT_FALSE(names("red"));
}

TEST(OutputSettings, ChosenColourBecomesUpperCaseEdit1Text)
{
    EXPECT_EQ(edit1Text(QColor(0, 255, 128)), u"#00FF80");
    EXPECT_EQ(edit1Text(QColor(0xab, 0x0c, 0xde)), u"#AB0CDE");
    EXPECT_EQ(colourOf(edit1Text(QColor(1, 2, 3)).toUtf8().constData()), qRgb(1, 2, 3));
}

TEST(OutputSettings, TextIsBlackFromASumOf500)
{
    EXPECT_EQ(readableTextColour(QColor(255, 245, 0)), QColor(Qt::black));
    EXPECT_EQ(readableTextColour(QColor(255, 244, 0)), QColor(Qt::white));
    EXPECT_EQ(readableTextColour(QColor(Qt::white)), QColor(Qt::black));
    EXPECT_EQ(readableTextColour(QColor(Qt::black)), QColor(Qt::white));
    EXPECT_EQ(readableTextColour(QColor(255, 0, 0)), QColor(Qt::white));
}

TEST(OutputSettings, TextFormatsPageIsOnTheMakersSite)
{
    EXPECT_TRUE(textFormatsWebAddress().startsWith(u"https://"));
}
