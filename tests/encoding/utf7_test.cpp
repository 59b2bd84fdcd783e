#include "encoding/encode_text.h"

#include <gtest/gtest.h>

namespace {

QByteArray utf7(const char *text)
{
    return encodeText(QString::fromUtf8(text), TextEncoding::Utf7NoSignature);
}

} // namespace

TEST(Utf7, SignatureRunEndsWithDashOnlyBeforeBase64CharactersOrDash)
{
    EXPECT_EQ(encodeText(QStringLiteral("Hello"), TextEncoding::Utf7), QByteArray("+/v8-Hello"));
    EXPECT_EQ(encodeText(QStringLiteral(" leading"), TextEncoding::Utf7), QByteArray("+/v8 leading"));
    EXPECT_EQ(encodeText(QStringLiteral("/x"), TextEncoding::Utf7), QByteArray("+/v8-/x"));
    EXPECT_EQ(encodeText(QStringLiteral("-"), TextEncoding::Utf7), QByteArray("+/v8--"));
    EXPECT_EQ(encodeText(QStringLiteral("."), TextEncoding::Utf7), QByteArray("+/v8."));
    EXPECT_EQ(encodeText(QStringLiteral("\r\n"), TextEncoding::Utf7), QByteArray("+/v8\r\n"));
    EXPECT_EQ(encodeText(QStringLiteral("Hello"), TextEncoding::Utf7NoSignature), QByteArray("Hello"));
}

TEST(Utf7, PlusTildeBackslashAndControlCharacters)
{
    EXPECT_EQ(utf7("a+b"), QByteArray("a+-b"));
    EXPECT_EQ(utf7("++"), QByteArray("+-+-"));
    EXPECT_EQ(utf7("~x"), QByteArray("+AH4-x"));
    EXPECT_EQ(utf7("~"), QByteArray("+AH4")); // the end of the text closes without "-"
    EXPECT_EQ(utf7("~ x"), QByteArray("+AH4 x"));
    EXPECT_EQ(utf7("\\"), QByteArray("+AFw"));
    EXPECT_EQ(utf7("\x7F"), QByteArray("+AH8"));
    EXPECT_EQ(encodeText(QString(QChar(0)), TextEncoding::Utf7NoSignature), QByteArray("+AAA"));
    // Inside a run "+" is just another unit to encode.
    EXPECT_EQ(utf7("~+"), QByteArray("+AH4AKw"));
}

TEST(Utf7, RunsSpanSeveralUnitsAndPadOnlyWhatIsLeft)
{
    // Three units are 48 bits, eight whole groups with nothing to pad; the last group is "+".
    EXPECT_EQ(utf7("~~~x"), QByteArray("+AH4AfgB+-x"));
    EXPECT_EQ(utf7("caf\xC3\xA9!"), QByteArray("caf+AOk!"));
    EXPECT_EQ(utf7("\xE2\x82\xAC"
                   "1"),
              QByteArray("+IKw-1"));
}

TEST(Utf7, DirectAndOptionalDirectCharactersStandForThemselves)
{
    const char *direct = "AZaz09'(),-./:? \t\r\n!\"#$%&*;<=>[]^_`{|}@";
    EXPECT_EQ(utf7(direct), QByteArray(direct));
}
