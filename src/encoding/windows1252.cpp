#include "encoding/windows1252.h"

namespace {

// The characters of bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves empty
// (no character at or above 0x80 matches it).
constexpr char16_t charactersOf80To9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteOf(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return char(character);
    for (int index = 0; index < 32; ++index)
        if (charactersOf80To9F[index] == character)
            return char(0x80 + index);
    return '?';
}

} // namespace

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar unit = text[index];
        if (unit.isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate())
            ++index; // no character beyond the first plane fits; the pair is one "?"
        bytes.append(byteOf(unit.unicode()));
    }
    return bytes;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *next = text.data();
    for (const char byte : bytes) {
        const auto code = char16_t(uchar(byte));
        const bool mapped = code >= 0x80 && code < 0xA0 && charactersOf80To9F[code - 0x80] != 0;
        *next++ = mapped ? charactersOf80To9F[code - 0x80] : code;
    }
    return text;
}
