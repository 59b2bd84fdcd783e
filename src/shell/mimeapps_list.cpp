#include "shell/mimeapps_list.h"

#include <QStringList>

namespace {

const QString defaultsGroup = QStringLiteral("[Default Applications]");

// The lines of the default group, as the index of its header and the index after its last line.
struct GroupSpan {
    qsizetype header = -1;
    qsizetype end = -1;
};

GroupSpan defaultsSpan(const QStringList &lines)
{
    GroupSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.startsWith(u'['))
            continue;
        if (span.header >= 0)
            return {span.header, i};
        if (line == defaultsGroup)
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

bool isLineOfType(const QString &line, const QString &type)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals > 0 && QStringView(line).left(equals).trimmed() == type;
}

// Lines of the text; a final line break gives no line of its own and comes back on joining.
QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString joined(const QStringList &lines)
{
    return lines.isEmpty() ? QString() : lines.join(u'\n') + u'\n';
}

} // namespace

QString withDefaultApplication(const QString &text, const QString &type, const QString &desktopId)
{
    QStringList lines = linesOf(text);
    const QString entry = type + u'=' + desktopId + u';';
    const GroupSpan span = defaultsSpan(lines);
    if (span.header < 0) {
        // A blank line before the new group, which removing it takes away again.
        if (!lines.isEmpty())
            lines.append(QString());
        lines << defaultsGroup << entry;
        return joined(lines);
    }
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (isLineOfType(lines[i], type)) {
            lines[i] = entry;
            return joined(lines);
        }
    }
    lines.insert(span.header + 1, entry);
    return joined(lines);
}

QString withoutDefaultApplication(const QString &text, const QString &type, const QString &desktopId)
{
    QStringList lines = linesOf(text);
    const GroupSpan span = defaultsSpan(lines);
    if (span.header < 0)
        return text;
    const QString entry = type + u'=' + desktopId + u';';
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (lines[i].trimmed() != entry)
            continue;
        lines.removeAt(i);
        // A group left with nothing at the end of the list is the one add made: it goes with
        // the blank line before it.
        if (lines.size() == span.header + 1) {
            lines.removeLast();
            if (!lines.isEmpty() && lines.last().isEmpty())
                lines.removeLast();
        }
        return joined(lines);
    }
    return text;
}
