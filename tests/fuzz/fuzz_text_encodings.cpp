// Every encoding a text file is saved in, on any UTF-16 text: each must read back as the text.
#include "encoding/encode_text.h"
#include "encoding/utf7.h"
#include "fuzz_support.h"

#include <QStringDecoder>

namespace {

int base64Value(char byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return byte - 'A';
    if (byte >= 'a' && byte <= 'z')
        return byte - 'a' + 26;
    if (byte >= '0' && byte <= '9')
        return byte - '0' + 52;
    if (byte == '+')
        return 62;
    if (byte == '/')
        return 63;
    return -1;
}

// A plain UTF-7 reader: "+-" is "+", a "-" right after a run is dropped, bits left over at the
// end of a run must be zero.
QString readUtf7(const QByteArray &bytes)
{
    QString text;
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        check(uchar(bytes[index]) < 0x80, "UTF-7 is 7-bit");
        if (bytes[index] != '+') {
            text.append(QLatin1Char(bytes[index]));
            continue;
        }
        if (index + 1 < bytes.size() && bytes[index + 1] == '-') {
            text.append(u'+');
            ++index;
            continue;
        }
        quint32 bits = 0;
        int bitCount = 0;
        for (++index; index < bytes.size() && base64Value(bytes[index]) >= 0; ++index) {
            bits = (bits << 6) | quint32(base64Value(bytes[index]));
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                text.append(QChar(char16_t(bits >> bitCount)));
                bits &= (1u << bitCount) - 1;
            }
        }
        check(bits == 0 && bitCount < 6, "a UTF-7 run ends on zero padding");
        if (index < bytes.size() && bytes[index] != '-')
            --index;
    }
    return text;
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
            ++index;
        else if (text[index].isSurrogate())
            return true;
    }
    return false;
}

QString decoded(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

void checkUnicodeForms(const QString &text)
{
    const QString marked = QChar(0xFEFF) + text;
    check(decoded(encodeText(text, TextEncoding::Utf16LE), QStringConverter::Utf16LE) == marked,
          "UTF-16LE reads back");
    check(decoded(encodeText(text, TextEncoding::Utf16BE), QStringConverter::Utf16BE) == marked,
          "UTF-16BE reads back");
    if (hasLoneSurrogate(text))
        return;
    check(decoded(encodeText(text, TextEncoding::Utf8), QStringConverter::Utf8) == marked,
          "UTF-8 reads back");
    check(decoded(encodeText(text, TextEncoding::Utf32LE), QStringConverter::Utf32LE) == marked,
          "UTF-32LE reads back");
    check(decoded(encodeText(text, TextEncoding::Utf32BE), QStringConverter::Utf32BE) == marked,
          "UTF-32BE reads back");
}

// Windows-1252 keeps ASCII and Latin-1 above 0x9F as they are and writes one byte per character.
void checkAnsi(const QString &text)
{
    const QByteArray bytes = encodeText(text, TextEncoding::Ansi);
    qsizetype at = 0;
    for (qsizetype index = 0; index < text.size(); ++index, ++at) {
        check(at < bytes.size(), "one byte per character");
        const char16_t unit = text[index].unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
            check(uchar(bytes[at]) == unit, "Latin-1 characters stay");
        else
            check(bytes[at] == '?' || (uchar(bytes[at]) >= 0x80 && uchar(bytes[at]) <= 0x9F),
                  "other characters become 0x80-0x9F or ?");
        if (text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
            ++index;
    }
    check(at == bytes.size(), "no bytes beyond the characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = unitsOf(data, size);
    check(readUtf7(encodeUtf7(text)) == text, "UTF-7 reads back");
    check(decodeUtf7(encodeUtf7(text)) == text, "the program's UTF-7 reader agrees");
    check(readUtf7(encodeText(text, TextEncoding::Utf7)) == QChar(0xFEFF) + text, "signed UTF-7 reads back");
    checkUnicodeForms(text);
    checkAnsi(text);
    return 0;
}
