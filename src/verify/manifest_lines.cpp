#include "verify/manifest_lines.h"

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<QByteArray> lowerHex(QByteArrayView text)
{
    if (text.isEmpty())
        return std::nullopt;
    QByteArray lower(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!isHexDigit(c))
            return std::nullopt;
        lower[i] = c >= 'A' && c <= 'F' ? char(c - 'A' + 'a') : c;
    }
    return lower;
}
