#include "encoding/encode_text.h"
#include "encoding/utf7.h"

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

TEST(Utf7, ReadsRunsDirectCharactersAndRefusesWhatIsNoUtf7)
{
    EXPECT_EQ(decodeUtf7("/home/+ANw-bersicht.png"), QStringLiteral("/home/Übersicht.png"));
    EXPECT_EQ(decodeUtf7("a+-b"), QStringLiteral("a+b"));
    // A run ends at the first byte outside base64, which is read again as itself.
    EXPECT_EQ(decodeUtf7("+AH4."), QStringLiteral("~."));
    EXPECT_EQ(decodeUtf7("~\\"), QStringLiteral("~\\"));
    const QString mixed = QStringLiteral("C:\\Dokumente\\Ärger + 日本 ") +
                          QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("-x\r\n");
    EXPECT_EQ(decodeUtf7(encodeText(mixed, TextEncoding::Utf7NoSignature)), mixed);

    EXPECT_EQ(decodeUtf7("caf\xC3\xA9"), std::nullopt); // 8-bit bytes
    EXPECT_EQ(decodeUtf7("a+"), std::nullopt);          // "+" at the end
    EXPECT_EQ(decodeUtf7("a+!b"), std::nullopt);        // "+" before no base64
    EXPECT_EQ(decodeUtf7("+A-"), std::nullopt);         // six bits left over
    EXPECT_EQ(decodeUtf7("+AH5-"), std::nullopt);       // padding bits not zero
}
