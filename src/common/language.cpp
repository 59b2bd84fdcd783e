#include "common/language.h"

#include <QDir>
#include <QFileInfo>

QString languageCode(Language language)
{
    return isGerman(language) ? QStringLiteral("de") : QStringLiteral("en");
}

std::optional<Language> languageOfCode(const QString &code)
{
    if (code == u"de")
        return Language::German;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

Language languageAtStart(const QString &currentFolder, const QLocale &systemLocale)
{
    const QDir folder(currentFolder);
    const auto isMarkerFile = [&](const QString &name) { return QFileInfo(folder.filePath(name)).isFile(); };
    if (isMarkerFile(QStringLiteral("de")))
        return Language::German;
    if (isMarkerFile(QStringLiteral("en")))
        return Language::English;
    return systemLocale.language() == QLocale::German ? Language::German : Language::English;
}
