#include "collect/file_list_file.h"

#include "common/tabulix_error.h"
#include "encoding/eight_bit_text.h"
#include "encoding/utf7.h"

#include <QFile>
#include <QtEndian>

namespace {

template <typename Read> QString utf16Text(QByteArrayView body, Read readUnit)
{
    QString text;
    text.reserve(body.size() / 2);
    for (qsizetype at = 0; at + 2 <= body.size(); at += 2)
        text.append(QChar(readUnit(body.data() + at)));
    return text;
}

// Values that are no code point become "?"; those above the first plane a surrogate pair.
template <typename Read> QString utf32Text(QByteArrayView body, Read readValue)
{
    QString text;
    text.reserve(body.size() / 4);
    for (qsizetype at = 0; at + 4 <= body.size(); at += 4) {
        const quint32 value = readValue(body.data() + at);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            text.append(u'?');
        } else if (value > 0xFFFF) {
            text.append(QChar(char16_t(0xD800 + ((value - 0x10000) >> 10))));
            text.append(QChar(char16_t(0xDC00 + (value & 0x3FF))));
        } else {
            text.append(QChar(char16_t(value)));
        }
    }
    return text;
}

} // namespace

std::optional<QString> decodeFileListText(QByteArrayView bytes)
{
    const auto marked = [bytes](QByteArrayView mark) { return bytes.startsWith(mark); };
    if (marked("\xEF\xBB\xBF"))
        return decodeUtf8(bytes.sliced(3));
    if (marked("+/v8"))
        return decodeUtf7(bytes.sliced(qMin<qsizetype>(5, bytes.size())));
    if (marked(QByteArrayView("\xFF\xFE\x00\x00", 4)))
        return utf32Text(bytes.sliced(4), [](const char *at) { return qFromLittleEndian<quint32>(at); });
    if (marked(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return utf32Text(bytes.sliced(4), [](const char *at) { return qFromBigEndian<quint32>(at); });
    if (marked("\xFF\xFE"))
        return utf16Text(bytes.sliced(2), [](const char *at) { return qFromLittleEndian<char16_t>(at); });
    if (marked("\xFE\xFF"))
        return utf16Text(bytes.sliced(2), [](const char *at) { return qFromBigEndian<char16_t>(at); });
    // Linux programs write UTF-8 without a mark; other 8-bit text is taken as Windows-1252.
    return decodeEightBitText(bytes);
}

QStringList fileListLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != u'\r' && text[at] != u'\n')
            continue;
        lines.append(text.sliced(start, at - start).toString());
        if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
            ++at;
        start = at + 1;
    }
    lines.append(text.sliced(start).toString());
    return lines;
}

std::optional<QStringList> readFileList(QByteArrayView bytes)
{
    const std::optional<QString> text = decodeFileListText(bytes);
    if (!text)
        return std::nullopt;
    return fileListLines(*text);
}

QStringList readFileListFile(const QString &path)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError)
        throw TabulixError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    std::optional<QStringList> lines = readFileList(bytes);
    if (!lines)
        throw TabulixError(QString::fromUtf16(invalidUtf7Text));
    return *lines;
}

QString fileListText(const QStringList &paths)
{
    QString text;
    for (const QString &path : paths)
        text += path + u"\r\n";
    return text;
}

void writeFileList(const QStringList &paths, const QString &path, const PictureWriter &writePicture)
{
    writeTextFile(fileListText(paths), path, TextEncoding::Utf8, writePicture);
}
