#include "config/config_location.h"

#include "common/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString configurationFolder()
{
    return configurationFolderFor(programFolder());
}

QString configurationFolderFor(const QString &programFolder)
{
    const QDir beside(programFolder);
    if (QFileInfo(beside.filePath(QStringLiteral("Auto.tbx"))).isFile() ||
        QFileInfo::exists(beside.filePath(QStringLiteral("portable"))))
        return beside.path();
    // The folder is made by the first save into it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tabulix");
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
