#include "verify/reported_names.h"

#include <QStringDecoder>

namespace {

bool isPlainByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("%+,-./:]_@").contains(char(c));
}

// Characters a shell reads as syntax and that double quotes keep as they are.
bool needsQuotesOnly(QByteArrayView name, qsizetype i)
{
    const char c = name[i];
    if (c == ' ' || c == '\'')
        return true;
    if (c == '#' || c == '~')
        return i == 0;
    if (c == '{' || c == '}')
        return name.size() == 1;
    return false;
}

// Characters a shell reads as syntax even between double quotes.
bool isShellSpecial(char c)
{
    return QByteArrayView("!\"$&()*;<=>[^`|?\\").contains(c);
}

// The length of the valid UTF-8 sequence at i, or 0 when the byte starts none.
qsizetype utf8Length(QByteArrayView name, qsizetype i)
{
    const auto c = static_cast<unsigned char>(name[i]);
    const qsizetype length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (length == 0 || c > 0xF4 || i + length > name.size())
        return 0;
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString decoded = decoder(name.sliced(i, length));
    return decoder.hasError() || decoded.contains(QChar::ReplacementCharacter) ? 0 : length;
}

// The $'...' form of a byte that is not shown as itself.
QByteArray escapedByte(unsigned char c)
{
    switch (c) {
    case '\a':
        return "\\a";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    case '\v':
        return "\\v";
    default:
        return '\\' + QByteArray::number(c, 8).rightJustified(3, '0');
    }
}

} // namespace

QByteArray statusLineName(QByteArrayView name)
{
    if (!name.contains('\n'))
        return name.toByteArray();
    QByteArray escaped("\\");
    for (const char c : name) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else
            escaped += c;
    }
    return escaped;
}

QByteArray shellQuoted(QByteArrayView name)
{
    if (name.isEmpty())
        return "''";
    bool quoted = false;       // some character needs quotes
    bool doubleQuotable = true; // and double quotes would keep every one of them
    bool singleQuote = false;
    // Per byte: shown as itself (true) or escaped in $'...'.
    QList<bool> shown(name.size(), true);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c >= 0x80) {
            const qsizetype length = utf8Length(name, i);
            if (length > 0) {
                i += length - 1;
                continue;
            }
            shown[i] = false;
        } else if (c < 0x20 || c == 0x7F) {
            shown[i] = false;
        } else if (isPlainByte(c)) {
            continue;
        } else if (needsQuotesOnly(name, i)) {
            singleQuote = singleQuote || c == '\'';
            quoted = true;
            continue;
        } else if (!isShellSpecial(char(c))) {
            continue; // "#" and "~" past the start, braces beside other characters
        }
        quoted = true;
        doubleQuotable = false;
    }
    if (!quoted)
        return name.toByteArray();
    if (singleQuote && doubleQuotable)
        return '"' + name.toByteArray() + '"';
    QByteArray out("'");
    bool inEscapes = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (!shown[i]) {
            if (!inEscapes)
                out += "'$'";
            inEscapes = true;
            out += escapedByte(static_cast<unsigned char>(c));
            continue;
        }
        if (inEscapes)
            out += "''";
        inEscapes = false;
        out += c == '\'' ? QByteArray("'\\''") : QByteArray(1, c);
    }
    out += '\'';
    return out;
}
