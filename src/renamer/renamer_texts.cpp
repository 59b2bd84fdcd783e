#include "renamer/renamer_texts.h"

namespace {

const BilingualText statusTexts[] = {{"Neu hinzugefügt", "Added"},
                                     {"Umbenannt", "Renamed"},
                                     {"Nicht umbenannt", "Not Renamed"},
                                     {"Datei existiert", "File already exists"},
                                     {"Fehler", "Error"},
                                     {"Rückgängig gemacht", "Undone"}};

const BilingualText columnHeaders[RenameColumnCount] = {{"Name", "Name"},      {"Typ", "Type"},
                                                        {"Größe", "Size"},     {"Status", "Status"},
                                                        {"Dateipfad", "Path"}, {"Neuer Name", "New Name"}};

QString countedText(int done, int notDone, Language language, const BilingualText &doneSuffix,
                    const BilingualText &notDoneSuffix)
{
    QString text = QString::number(done) + doneSuffix.in(language);
    if (notDone > 0)
        text += QStringLiteral(" (") + QString::number(notDone) + notDoneSuffix.in(language) + u')';
    return text;
}

} // namespace

QString renameStatusText(RenameStatus status, Language language)
{
    return statusTexts[int(status)].in(language);
}

QString renameColumnHeader(int column, Language language)
{
    return column >= 0 && column < RenameColumnCount ? columnHeaders[column].in(language) : QString();
}

QString loadedText(qint64 count, Language language)
{
    return QString::number(count) + BilingualText{" Dateien geladen", " files loaded"}.in(language);
}

QString renamedText(int renamed, int notRenamed, Language language)
{
    return countedText(renamed, notRenamed, language, {" Dateien umbenannt", " files renamed"},
                       {" Dateien konnten nicht umbenannt werden", " files could not be renamed"});
}

QString undoneText(int undone, int notUndone, Language language)
{
    return countedText(undone, notUndone, language, {" Dateien zurückbenannt", " files renamed back"},
                       {" Dateien konnten nicht zurückbenannt werden", " files could not be renamed back"});
}

QString clashText(int clashes, Language language)
{
    if (clashes == 0)
        return {};
    return QString::number(clashes) + BilingualText{" Namenskonflikte", " name clashes"}.in(language);
}

QString clashTip(Language language)
{
    return BilingualText{"Der neue Name ist schon vergeben", "The new name is already taken"}.in(language);
}

QString unusableNameTip(Language language)
{
    return BilingualText{"Der neue Name ist kein gültiger Dateiname", "The new name is no valid file name"}
        .in(language);
}

QString missingTagsTip(const QStringList &placeholders, Language language)
{
    return BilingualText{"Ohne Angabe: ", "Not in the file: "}.in(language) +
           placeholders.join(QStringLiteral(", "));
}

QString invalidPatternText(const QString &reason, Language language)
{
    return BilingualText{"Ungültiger regulärer Ausdruck: ", "Invalid regular expression: "}.in(language) +
           reason;
}
