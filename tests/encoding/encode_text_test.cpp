#include "encoding/encode_text.h"
#include "encoding_test_support.h"

#include <gtest/gtest.h>

namespace {

QString units(std::initializer_list<char16_t> codeUnits)
{
    QString text;
    for (const char16_t unit : codeUnits)
        text.append(QChar(unit));
    return text;
}

} // namespace

TEST(EncodeText, EmptyTextIsTheByteOrderMarkAlone)
{
    const QString empty;
    EXPECT_EQ(hex(encodeText(empty, TextEncoding::Ansi)), "");
    EXPECT_EQ(encodeText(empty, TextEncoding::Utf7), QByteArray("+/v8"));
    EXPECT_EQ(encodeText(empty, TextEncoding::Utf7NoSignature), QByteArray());
    EXPECT_EQ(hex(encodeText(empty, TextEncoding::Utf8)), "EF BB BF");
    EXPECT_EQ(hex(encodeText(empty, TextEncoding::Utf16LE)), "FF FE");
    EXPECT_EQ(hex(encodeText(empty, TextEncoding::Utf16BE)), "FE FF");
    EXPECT_EQ(hex(encodeText(empty, TextEncoding::Utf32LE)), "FF FE 00 00");
    EXPECT_EQ(hex(encodeText(empty, TextEncoding::Utf32BE)), "00 00 FE FF");
}

TEST(EncodeText, LetterAInEveryEncoding)
{
    const QString a = QStringLiteral("A");
    EXPECT_EQ(hex(encodeText(a, TextEncoding::Ansi)), "41");
    EXPECT_EQ(encodeText(a, TextEncoding::Utf7), QByteArray("+/v8-A"));
    EXPECT_EQ(encodeText(a, TextEncoding::Utf7NoSignature), QByteArray("A"));
    EXPECT_EQ(hex(encodeText(a, TextEncoding::Utf8)), "EF BB BF 41");
    EXPECT_EQ(hex(encodeText(a, TextEncoding::Utf16LE)), "FF FE 41 00");
    EXPECT_EQ(hex(encodeText(a, TextEncoding::Utf16BE)), "FE FF 00 41");
    EXPECT_EQ(hex(encodeText(a, TextEncoding::Utf32LE)), "FF FE 00 00 41 00 00 00");
    EXPECT_EQ(hex(encodeText(a, TextEncoding::Utf32BE)), "00 00 FE FF 00 00 00 41");
}

TEST(EncodeText, CharacterBeyondTheFirstPlaneIsOneValueInUtf32AndUtf8)
{
    const QString grin = QString::fromUtf8("\xF0\x9F\x98\x80"); // U+1F600, D83D DE00 in UTF-16
    EXPECT_EQ(hex(encodeText(grin, TextEncoding::Utf32LE)), "FF FE 00 00 00 F6 01 00");
    EXPECT_EQ(hex(encodeText(grin, TextEncoding::Utf32BE)), "00 00 FE FF 00 01 F6 00");
    EXPECT_EQ(hex(encodeText(grin, TextEncoding::Utf8)), "EF BB BF F0 9F 98 80");
    EXPECT_EQ(hex(encodeText(grin, TextEncoding::Utf16LE)), "FF FE 3D D8 00 DE");
    EXPECT_EQ(hex(encodeText(grin, TextEncoding::Utf16BE)), "FE FF D8 3D DE 00");
    EXPECT_EQ(encodeText(grin, TextEncoding::Utf7NoSignature), QByteArray("+2D3eAA"));
    EXPECT_EQ(encodeText(grin, TextEncoding::Ansi), QByteArray("?"));
}

TEST(EncodeText, SurrogatesWithoutTheirPartner)
{
    // UTF-32: a lone high surrogate is "?", a lone low one vanishes.
    EXPECT_EQ(hex(encodeText(units({0xD83D, u'A'}), TextEncoding::Utf32LE)),
              "FF FE 00 00 3F 00 00 00 41 00 00 00");
    EXPECT_EQ(hex(encodeText(units({0xDE00, u'A'}), TextEncoding::Utf32BE)), "00 00 FE FF 00 00 00 41");
    EXPECT_EQ(hex(encodeText(units({u'A', 0xD83D}), TextEncoding::Utf32BE)),
              "00 00 FE FF 00 00 00 41 00 00 00 3F");
    // A high surrogate before a complete pair is alone; the pair after it still combines.
    EXPECT_EQ(hex(encodeText(units({0xD83D, 0xD83D, 0xDE00}), TextEncoding::Utf32LE)),
              "FF FE 00 00 3F 00 00 00 00 F6 01 00");
    // UTF-16 writes the units as they are; UTF-8 cannot, and writes "?".
    EXPECT_EQ(hex(encodeText(units({0xDE00, 0xD83D}), TextEncoding::Utf16LE)), "FF FE 00 DE 3D D8");
    EXPECT_EQ(hex(encodeText(units({0xDE00, u'A', 0xD83D}), TextEncoding::Utf8)), "EF BB BF 3F 41 3F");
}

TEST(EncodeText, LineBreaksAndLettersBeyondAsciiPassUnchanged)
{
    const QString text = QString::fromUtf8("ä\r\nb\r\n");
    EXPECT_EQ(hex(encodeText(text, TextEncoding::Utf8)), "EF BB BF C3 A4 0D 0A 62 0D 0A");
    EXPECT_EQ(hex(encodeText(text, TextEncoding::Utf16BE)), "FE FF 00 E4 00 0D 00 0A 00 62 00 0D 00 0A");
    EXPECT_EQ(hex(encodeText(text, TextEncoding::Ansi)), "E4 0D 0A 62 0D 0A");
    EXPECT_EQ(encodeText(text, TextEncoding::Utf7NoSignature), QByteArray("+AOQ\r\nb\r\n"));
}
