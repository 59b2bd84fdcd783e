#include "common/paths.h"

#include <QCoreApplication>

QString folderPart(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString namePart(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString extensionOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || dot < path.lastIndexOf(u'/'))
        return {};
    return path.mid(dot);
}

QString formatOfExtension(const QString &path)
{
    return extensionOf(path).remove(u'.').toUpper();
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}
