#pragma once
// The interface language: "de" or "en". Readers treat anything but "de" as English.
#include <QLocale>
#include <QString>

inline bool isGerman(const QString &language)
{
    return language == u"de";
}

// The language of a start: the marker files "en" and then "de" in the given folder (so "de"
// wins when both exist); with neither, German for a German system locale, else English.
QString languageAtStart(const QString &currentFolder, const QLocale &systemLocale);
