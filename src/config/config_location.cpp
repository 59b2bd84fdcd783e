#include "config/config_location.h"

#include "common/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString configurationFolder()
{
    const QString beside = programFolder();
    if (QFileInfo(beside).isWritable())
        return beside;
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tabulix");
    QDir().mkpath(folder);
    return folder;
}

QString startConfigurationPath()
{
    return configurationFolder() + QStringLiteral("/Auto.tbx");
}

QStringList configurationFilesIn(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.tbx")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        if (name.endsWith(u".tbx")) // the name filter ignores case; the rule does not
            files.append(dir.filePath(name));
    return files;
}
