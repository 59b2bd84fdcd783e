#include "encoding/encode_text.h"

#include "encoding/utf7.h"
#include "encoding/windows1252.h"

#include <QVector>

namespace {

constexpr char16_t byteOrderMark = 0xFEFF;

enum class ByteOrder { Little, Big };

void appendValue(QByteArray &bytes, char32_t value, int width, ByteOrder order)
{
    for (int index = 0; index < width; ++index) {
        const int shift = 8 * (order == ByteOrder::Little ? index : width - 1 - index);
        bytes.append(char((value >> shift) & 0xFF));
    }
}

QByteArray utf16(const QString &text, ByteOrder order)
{
    QByteArray bytes;
    bytes.reserve(2 * (text.size() + 1));
    appendValue(bytes, byteOrderMark, 2, order);
    for (const QChar unit : text)
        appendValue(bytes, unit.unicode(), 2, order);
    return bytes;
}

// A pair gives its code point; a high surrogate without its partner gives "?", a low one
// without its partner gives nothing.
QVector<char32_t> utf32Values(const QString &text)
{
    QVector<char32_t> values;
    values.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar unit = text[index];
        if (unit.isHighSurrogate()) {
            if (index + 1 < text.size() && text[index + 1].isLowSurrogate()) {
                values.append(QChar::surrogateToUcs4(unit, text[index + 1]));
                ++index;
            } else {
                values.append(U'?');
            }
        } else if (!unit.isLowSurrogate()) {
            values.append(unit.unicode());
        }
    }
    return values;
}

QByteArray utf32(const QString &text, ByteOrder order)
{
    QByteArray bytes;
    bytes.reserve(4 * (text.size() + 1));
    appendValue(bytes, byteOrderMark, 4, order);
    for (const char32_t value : utf32Values(text))
        appendValue(bytes, value, 4, order);
    return bytes;
}

} // namespace

QByteArray encodeText(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Ansi:
        return encodeWindows1252(text);
    case TextEncoding::Utf7:
        return encodeUtf7(QString(QChar(byteOrderMark) + text));
    case TextEncoding::Utf7NoSignature:
        return encodeUtf7(text);
    case TextEncoding::Utf8:
        // A surrogate without its partner becomes "?".
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LE:
        return utf16(text, ByteOrder::Little);
    case TextEncoding::Utf16BE:
        return utf16(text, ByteOrder::Big);
    case TextEncoding::Utf32LE:
        return utf32(text, ByteOrder::Little);
    case TextEncoding::Utf32BE:
        return utf32(text, ByteOrder::Big);
    }
    return {};
}
