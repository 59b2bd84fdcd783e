#include "shell/chosen_types.h"

#include <QMimeDatabase>

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c.category() == QChar::Other_Control;
}

QString trimmed(const QString &item)
{
    qsizetype begin = 0;
    qsizetype end = item.size();
    while (begin < end && isBlankOrControl(item[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(item[end - 1]))
        --end;
    return item.mid(begin, end - begin);
}

bool isUsable(const QString &extension)
{
    static const QString forbidden = QStringLiteral("<>\\/|:?*,\" ");
    if (extension.size() < 2 || !extension.startsWith(u'.'))
        return false;
    for (qsizetype i = 1; i < extension.size(); ++i) {
        if (forbidden.contains(extension[i]))
            return false;
    }
    return true;
}

} // namespace

QStringList chosenExtensions(const QString &beldateien)
{
    QStringList extensions;
    for (const QString &item : beldateien.split(u',')) {
        QString extension = trimmed(item);
        if (extension.isEmpty())
            continue;
        if (!extension.contains(u'.'))
            extension.prepend(u'.');
        if (isUsable(extension))
            extensions.append(extension);
    }
    return extensions;
}

QStringList mimeTypesOfExtension(const QString &extension)
{
    QStringList types;
    const QMimeDatabase database;
    for (const QMimeType &type : database.mimeTypesForFileName(QStringLiteral("x") + extension)) {
        if (!type.isDefault())
            types.append(type.name());
    }
    return types;
}
