#include "encoding/encode_text.h"
#include "encoding/windows1252.h"
#include "encoding_test_support.h"

#include <gtest/gtest.h>
#include <iconv.h>

TEST(Windows1252, EuroUmlautAndCharactersItCannotHold)
{
    const auto ansi = [](const char *text) {
        return hex(encodeText(QString::fromUtf8(text), TextEncoding::Ansi));
    };
    EXPECT_EQ(ansi("\xE2\x82\xAC"), "80");            // €
    EXPECT_EQ(ansi("\xC3\xBC"), "FC");                // ü
    EXPECT_EQ(ansi("\xE2\x80\x9E\xC5\xB8"), "84 9F"); // „Ÿ
    EXPECT_EQ(ansi("\xCE\xA9"), "3F");                // Ω
    EXPECT_EQ(ansi("\xE6\x97\xA5\xE6\x9C\xAC"), "3F 3F");
    EXPECT_EQ(ansi("\xF0\x9F\x98\x80"), "3F"); // one character, two code units
    EXPECT_EQ(ansi("\xC2\x81"), "3F");         // a byte the code page leaves empty
    EXPECT_EQ(hex(encodeText(QString(QChar(0xDE00)), TextEncoding::Ansi)), "3F");
}

// The C library's own table of the code page agrees on every character of the first plane.
TEST(Windows1252, AgreesWithTheSystemConverterOnTheWholeFirstPlane)
{
    const iconv_t converter = iconv_open("CP1252", "UTF-16LE");
    if (converter == iconv_t(-1))
        GTEST_SKIP() << "the C library offers no CP1252 converter";
    int compared = 0;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        char input[2] = {char(code & 0xFF), char(code >> 8)};
        char output[4] = {};
        char *in = input;
        char *out = output;
        size_t inLeft = 2;
        size_t outLeft = sizeof output;
        const bool held = iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1);
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        const QByteArray expected = held ? QByteArray(output, int(sizeof output - outLeft)) : QByteArray("?");
        ASSERT_EQ(hex(encodeText(QString(QChar(char16_t(code))), TextEncoding::Ansi)), hex(expected))
            << "U+" << std::hex << unsigned(code);
        ++compared;
    }
    iconv_close(converter);
    EXPECT_EQ(compared, 0x10000 - 0x800);
}

TEST(Windows1252, DecodesEveryByteSoThatEncodingGivesItBack)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE4], QChar(0x00E4));
    // The five empty bytes come as the control characters of their number; those have no byte.
    QByteArray expected = all;
    for (const char empty : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        EXPECT_EQ(text[uchar(empty)], QChar(char16_t(uchar(empty))));
        expected[uchar(empty)] = '?';
    }
    EXPECT_EQ(hex(encodeWindows1252(text)), hex(expected));
}
