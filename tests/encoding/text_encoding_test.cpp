#include "common/settings.h"
#include "encoding/encode_text.h"
#include "encoding/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TextEncoding afterClicking(Settings &settings, const char *radio)
{
    settings.setOn(SettingsWindow::EA, QString::fromUtf8(radio), true);
    return currentTextEncoding(settings);
}

} // namespace

TEST(TextEncodingSettings, EachRadioButtonStandsForItsCode)
{
    Settings settings;
    EXPECT_EQ(int(currentTextEncoding(settings)), 65001);
    const struct {
        const char *radio;
        int code;
    } buttons[] = {{"rb_ansi", 0},      {"rb_utf7", 65000},        {"rb_utf7ansi", 64999},
                   {"rb_utf8", 65001},  {"rb_beibehalten", 65001}, {"rb_utf16le", 1200},
                   {"rb_utf_be", 1201}, {"rb_utf32le", 65005},     {"rb_utf32be", 65006}};
    for (const auto &[radio, code] : buttons)
        EXPECT_EQ(int(afterClicking(settings, radio)), code) << radio;

    // With no button on, saved tables fall back to the fresh-start choice.
    settings.setOn(SettingsWindow::EA, QStringLiteral("rb_utf32be"), false);
    EXPECT_EQ(currentTextEncoding(settings), TextEncoding::Utf8);
}

TEST(TextEncodingSettings, AdoptingTheCodingWritesWhatUtf8Writes)
{
    Settings settings;
    const QString text = QString::fromUtf8("Größe\r\n\xF0\x9F\x98\x80");
    const QByteArray utf8 = encodeText(text, afterClicking(settings, "rb_utf8"));
    EXPECT_EQ(encodeText(text, afterClicking(settings, "rb_beibehalten")), utf8);
    EXPECT_TRUE(utf8.startsWith("\xEF\xBB\xBF"));
}

TEST(TextEncodingSettings, SettingAnEncodingSwitchesOnItsButton)
{
    Settings settings;
    setTextEncoding(settings, TextEncoding::Utf16BE);
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf_be")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));

    setTextEncoding(settings, TextEncoding::Utf7NoSignature);
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf7ansi")));

    setTextEncoding(settings, TextEncoding::Utf8);
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf7ansi")));

    // UTF-8 chosen as "adopt the coding" stays so.
    settings.setOn(SettingsWindow::EA, QStringLiteral("rb_beibehalten"), true);
    setTextEncoding(settings, TextEncoding::Utf8);
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_beibehalten")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));
}
