#include "app/language.h"

#include <QDir>
#include <QFileInfo>

QString languageAtStart(const QString &currentFolder, const QLocale &systemLocale)
{
    const QDir folder(currentFolder);
    const auto isMarkerFile = [&](const QString &name) { return QFileInfo(folder.filePath(name)).isFile(); };
    QString language;
    if (isMarkerFile(QStringLiteral("en")))
        language = QStringLiteral("en");
    if (isMarkerFile(QStringLiteral("de")))
        language = QStringLiteral("de");
    if (language.isEmpty())
        language = systemLocale.language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
    return language;
}
