#pragma once
// The message catalogue shown by showMessage and the other short texts that depend on the
// interface language. Any language other than "de" reads the English texts.
#include "common/language.h"

#include <QString>
#include <QStringList>
#include <optional>

// A line other than the path line may name the caller's path with the mark %1.
struct MessageTexts {
    QString title; // line 1, shown larger
    QString line2;
    QString line3; // empty when pathLine: the caller's path goes there
    QString line4;
    bool pathLine = false;
    bool okForAll = false; // the key offers "OK für alle" / "OK for all"
};

// The four lines of a message key, or nothing for a key that is not in the catalogue.
std::optional<MessageTexts> messageTexts(const QString &key, Language language);

// Every key of the catalogue, in catalogue order.
QStringList messageKeys();

enum class UiText {
    // counts and collecting
    FileSuffixOne,     // " Datei"
    FileSuffixMany,    // " Dateien"
    FolderDialogTitle, // "Ordner Öffnen"
    OpenDialogTitle,   // "Öffnen.."
    OpenDialogFilter,  // "Alle Dateien (*)"
    SearchingTitle,    // "Dateien werden gesucht"
    AnalysingTitle,    // "Dateien werden analysiert"
    FoundSuffix,       // " Dateien gefunden"
    AnalysedSuffix,    // " Dateien analysiert"
    AddingSuffix,      // " Dateien werden hinzugefügt"
    // the three small dialogs
    DialogCaption,        // "Tabulix"
    MessageOk,            // "OK"
    MessageOkForAll,      // "OK für alle"
    ConfirmTitle,         // "Datei bereits vorhanden"
    ConfirmExists,        // "Die folgende Datei ist bereits vorhanden:"
    ConfirmOverwrite,     // "Soll diese Datei mit der neuen Datei überschrieben werden?"
    ConfirmCannotRestore, // "Überschriebene Dateien können nicht wiederhergestellt werden."
    ConfirmYes,           // "Ja"
    ConfirmNo,            // "Nein"
    Break,                // "Abbrechen"
    // file-list files
    FileListFilter, // "Text (*.txt)"
    FileListEmpty,  // "Keine Dateien zum Speichern in der Dateiliste."
};

QString uiText(UiText text, Language language);

// " Datei" for exactly one row, " Dateien" for any other count.
QString countSuffix(qint64 count, Language language);
// The count label: "0 Dateien", "1 Datei", "2 Dateien" / "0 Files", "1 File", "2 Files".
QString countLabelText(qint64 count, Language language);
