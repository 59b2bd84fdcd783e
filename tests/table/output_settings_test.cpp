#include "common/tabulix_error.h"
#include "encoding/text_encoding.h"
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

TEST(OutputSettings, EveryControlHasCaptionsInBothLanguages)
{
    const Language de = Language::German;
    const Language en = Language::English;
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("einstausgabe"), de), u"Ausgabe Einstellungen");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("einstausgabe"), en), u"Output Settings");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("rb_utf7ansi"), de),
              u"Unicode UTF-7 als ANSI gespeichert");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("BitBtn6"), de), u"Schrift wählen..");
    EXPECT_EQ(outputSettingsCaption(QStringLiteral("Label8"), en), u"Tip: Use %tab% for tabs.");
    for (const TextEncodingRadio &radio : textEncodingRadios)
        EXPECT_FALSE(outputSettingsCaption(nameOf(radio.radio), en).isEmpty());
    EXPECT_THROW(outputSettingsCaption(QStringLiteral("rb_utf64"), de), TabulixError);
    EXPECT_TRUE(textFormatsWebAddress().startsWith(u"https://"));
}
