#pragma once
// What the readers of checksum files share: lines and hexadecimal digests.
#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Longer lines are never copied: they count as improperly formatted.
inline constexpr qsizetype MaxLineBytes = qsizetype(1) << 20;

// Calls visit(line, number) for every line of the bytes, without its LF and a CR before it;
// numbers count from 1. A last line without LF counts; an empty end does not.
template<class Visit>
void forEachLine(QByteArrayView bytes, Visit visit)
{
    qsizetype number = 0;
    for (qsizetype from = 0; from < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', from);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(from, end - from);
        if (line.endsWith('\r'))
            line.chop(1);
        visit(line, ++number);
        from = next;
    }
}

bool isHexDigit(char c);
// The text in lower case when it is hexadecimal digits only (not empty), else none.
std::optional<QByteArray> lowerHex(QByteArrayView text);
// Space or tab.
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
