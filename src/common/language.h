#pragma once
// The interface language. Stored and handed around as this enum; "de" and "en" appear only
// where the outside world names it (marker files, the command line).
#include <QLocale>
#include <QString>

#include <optional>

enum class Language { German, English };

inline bool isGerman(Language language)
{
    return language == Language::German;
}

// "de" or "en".
QString languageCode(Language language);
// The language a code names; nothing for any text but "de" and "en".
std::optional<Language> languageOfCode(const QString &code);

// The language of a start: the marker files "en" and then "de" in the given folder (so "de"
// wins when both exist); with neither, German for a German system locale, else English.
Language languageAtStart(const QString &currentFolder, const QLocale &systemLocale);

// A text of the program in both languages.
struct BilingualText {
    const char *german;
    const char *english;

    QString in(Language language) const { return QString::fromUtf8(isGerman(language) ? german : english); }
};
