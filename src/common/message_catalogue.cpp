#include "common/message_catalogue.h"

#include "common/language.h"

#include <array>

namespace {

struct Lines {
    const char16_t *title;
    const char16_t *line2;
    const char16_t *line3; // nullptr: the caller's path
    const char16_t *line4;
};

struct Entry {
    const char16_t *key;
    Lines german;
    Lines english;
    bool okForAll;
};

// Lines 2 and 3 of the two "nothing declared" messages share their opening.
constexpr const char16_t *notProcessedDe =
    u"Ihre Dateien konnten leider nicht bearbeitet werden, da unter den";
constexpr const char16_t *notProcessedEn = u"Your Files could not be processed, because in the";

const std::array<Entry, 10> catalogue{{
    {u"ordnerfalschopen",
     {u"Falscher Ordner angegeben", u"Dieser Ordner kann nicht durchsucht werden:", nullptr,
      u"Geben Sie einen richtigen Ordner an und versuchen Sie es erneut."},
     {u"False Folder", u"This Folder can not be searched in:", nullptr,
      u"Enter a correct Folder and try again."},
     false},
    {u"ordnerfalsch",
     {u"Falscher Ordner angegeben", u"Dies ist kein richtiger Ordner zum Speichern von Dateien:", nullptr,
      u"Geben Sie unter \"Ordner\" einen richtigen Ordner für Ihre Dateien an."},
     {u"False Folder", u"This is not a correct Folder for Saving Files:", nullptr,
      u"Enter a correct Folder for your Images and try again."},
     false},
    {u"keinordner",
     {u"Kein Ordner angegeben", notProcessedDe,
      u"Speicheroptionen kein Ordner für die Dateien angegeben wurde.",
      u"Geben Sie unter \"Ordner\" einen Ordner für Ihre Dateien an."},
     {u"No Folder declared", notProcessedEn, u"Saving-Options no Folder is declared.",
      u"Enter a correct Folder for your Files and try again."},
     false},
    {u"keinname",
     {u"Kein Dateiname angegeben", notProcessedDe,
      u"Speicheroptionen kein Dateiname für die Dateien angegeben wurde.",
      u"Geben Sie unter \"Dateiname\" einen Namen für Ihre Dateien an."},
     {u"No Filename declared", notProcessedEn, u"Saving-Options no Filename is declared.",
      u"Enter a correct Filename for your Files and try again."},
     false},
    {u"formatfehler",
     {u"Format nicht unterstützt", u"Das Format dieser Datei wird leider nicht unterstützt:", nullptr,
      u"Die Datei scheint beschädigt zu sein."},
     {u"Format not supported", u"Unfortunately, the Format of this File is not supported:", nullptr,
      u"The File seems to be damaged."},
     true},
    {u"dateischoninliste",
     {u"Datei oder Ordner wurde bereits hinzugefügt",
      u"Diese Datei oder dieser Ordner befindet sich bereits in der Liste:", nullptr,
      u"Dateien und Ordner können nur einmal zur Liste hinzugefügt werden."},
     {u"File or Folder already added", u"This File or Folder is added to the List already:", nullptr,
      u"A File and Folder can be added to the List only for one time."},
     true},
    {u"keinestartkonfig",
     {u"Startkonfiguration nicht definiert",
      u"Es kann keine Startkonfiguration geladen werden, da keine definiert",
      u"wurde (als Datei Auto.tbx in %1).", u"Speichern Sie eine Konfiguation als Auto.tbx in %1."},
     {u"Start Configuration not defined",
      u"It is not possible to load a Start Configuration, because no one is",
      u"defined (as File named Auto.tbx in %1).", u"Save a Configuration as Auto.tbx in %1."},
     false},
    {u"speicherfehler",
     {u"Fehler beim Speichern", u"Es kam zu einem Fehler beim Speichern dieser Datei:", nullptr,
      u"Benutzen Sie ein anderes Format."},
     {u"Saving Error", u"An Erros occurs during saving this file:", nullptr,
      u"Please use another file format."},
     true},
    {u"konvertierfehler",
     {u"Fehler beim Konvertieren", u"Es kam zu einem Fehler beim Konvertieren dieser Datei:", nullptr,
      u"Benutzen Sie ein anderes Format."},
     {u"Converting Error", u"An Erros occurs during converting this file:", nullptr,
      u"Please use another file format."},
     true},
    {u"bildfehler",
     {u"Fehler beim Konvertieren", u"Es kam zu einem Fehler beim Erstellen des Bildes.",
      u"Eine mögliche Fehlerquelle kann ein zu großes Bild sein.",
      u"Wählen Sie ein anderes Format oder eine kleinere Liste."},
     {u"Converting Error", u"An Error occurs during creating the image.",
      u"It is possible, that the image size is to big.",
      u"Choose another format or try to create a smaller list."},
     true},
}};

QString text(const char16_t *utf16)
{
    return utf16 ? QString::fromUtf16(utf16) : QString();
}

struct UiEntry {
    UiText id;
    BilingualText text;
};

const std::array<UiEntry, 22> uiTexts{{
    {UiText::FileSuffixOne, " Datei", " File"},
    {UiText::FileSuffixMany, " Dateien", " Files"},
    {UiText::FolderDialogTitle, "Ordner Öffnen", "Open Folder"},
    {UiText::OpenDialogTitle, "Öffnen..", "Open.."},
    // Every name, with or without a dot.
    {UiText::OpenDialogFilter, "Alle Dateien (*)", "Any Files (*)"},
    {UiText::SearchingTitle, "Dateien werden gesucht", "Searching for Files"},
    {UiText::AnalysingTitle, "Dateien werden analysiert", "Analyzing Files"},
    {UiText::FoundSuffix, " Dateien gefunden", " Files found"},
    {UiText::AnalysedSuffix, " Dateien analysiert", " Files analyzed"},
    {UiText::AddingSuffix, " Dateien werden hinzugefügt", " Files added"},
    {UiText::DialogCaption, "Tabulix", "Tabulix"},
    {UiText::MessageOk, "OK", "OK"},
    {UiText::MessageOkForAll, "OK für alle", "OK for all"},
    {UiText::ConfirmTitle, "Datei bereits vorhanden", "File already exists"},
    {UiText::ConfirmExists,
     "Die folgende Datei ist bereits vorhanden:", "The following File is already exists:"},
    // The English lines end in a space, as they always have.
    {UiText::ConfirmOverwrite, "Soll diese Datei mit der neuen Datei überschrieben werden?",
     "Shall this File be overwritten with the new File? "},
    {UiText::ConfirmCannotRestore, "Überschriebene Dateien können nicht wiederhergestellt werden.",
     "Overwritten Files cannot be restored. "},
    {UiText::ConfirmYes, "Ja", "Yes"},
    {UiText::ConfirmNo, "Nein", "No"},
    {UiText::Break, "Abbrechen", "Break"},
    {UiText::FileListFilter, "Text (*.txt)", "Text (*.txt)"},
    {UiText::FileListEmpty, "Keine Dateien zum Speichern in der Dateiliste.",
     "There are no files to store in your file list."},
}};

} // namespace

std::optional<MessageTexts> messageTexts(const QString &key, Language language)
{
    for (const Entry &entry : catalogue) {
        if (key != QStringView(entry.key))
            continue;
        const Lines &lines = isGerman(language) ? entry.german : entry.english;
        MessageTexts result;
        result.title = text(lines.title);
        result.line2 = text(lines.line2);
        result.line3 = text(lines.line3);
        result.line4 = text(lines.line4);
        result.pathLine = lines.line3 == nullptr;
        result.okForAll = entry.okForAll;
        return result;
    }
    return std::nullopt;
}

QStringList messageKeys()
{
    QStringList keys;
    for (const Entry &entry : catalogue)
        keys.append(text(entry.key));
    return keys;
}

QString uiText(UiText id, Language language)
{
    for (const UiEntry &entry : uiTexts) {
        if (entry.id == id)
            return entry.text.in(language);
    }
    return {};
}

QString countSuffix(qint64 count, Language language)
{
    return uiText(count == 1 ? UiText::FileSuffixOne : UiText::FileSuffixMany, language);
}

QString countLabelText(qint64 count, Language language)
{
    return QString::number(count) + countSuffix(count, language);
}
