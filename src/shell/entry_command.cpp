#include "shell/entry_command.h"

#include "common/tabulix_error.h"

#include <QStringList>

namespace {

void requireUsablePath(const QString &programPath)
{
    if (!programPath.startsWith(u'/'))
        throw TabulixError(QStringLiteral("the program path is not absolute: ") + programPath);
    for (const QChar c : programPath) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            throw TabulixError(
                QStringLiteral("a desktop entry cannot name a program path with control characters"));
    }
}

QString unescaped(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result.append(value[i]);
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            result.append(u' ');
            break;
        case 'n':
            result.append(u'\n');
            break;
        case 't':
            result.append(u'\t');
            break;
        case 'r':
            result.append(u'\r');
            break;
        default:
            result.append(next);
        }
    }
    return result;
}

} // namespace

QString entryCommand(const QString &programPath)
{
    requireUsablePath(programPath);
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted.append(u'\\');
        else if (c == u'%')
            quoted.append(u'%');
        quoted.append(c);
    }
    return quoted + QStringLiteral("\" %F");
}

QString startScript(const QString &programPath)
{
    requireUsablePath(programPath);
    QString quoted = programPath;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return QStringLiteral("#!/bin/sh\nexec '") + quoted + QStringLiteral("' \"$@\"\n");
}

QString keyFileEscaped(const QString &value)
{
    return QString(value).replace(u'\\', QStringLiteral("\\\\"));
}

QString keyFileEntry(const QString &text, const QString &group, const QString &key)
{
    const QString header = u'[' + group + u']';
    bool inGroup = false;
    for (const QString &rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == header;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0 && QStringView(line).left(equals).trimmed() == key)
            return unescaped(line.mid(equals + 1).trimmed());
    }
    return {};
}
