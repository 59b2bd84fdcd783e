#include "ui/renamer_captions.h"

const QVector<ControlText> &renamixTexts()
{
    static const QVector<ControlText> texts = {
        {"TRenamix", {"Renamix - Quellwerk", "Renamix - Quellwerk"}},
        {"LabelGruppe1",
         {"Ziehen Sie die Dateien, die umbenannt werden sollen in diese Liste oder öffnen Sie einen Ordner.",
          "Drag the Files to be renamed to this List or open a Folder."}},
        {"OrdnerOeffnen", {"Ordner Öffnen..", "Open Folder.."}},
        {"FilterButton", {"Filter..", "Filter.."}},
        {"uv", {"Auch Unterverzeichnisse durchsuchen", "Search all Subfolders"}},
        {"MarkierteLoeschen", {"Markierte Löschen", "Delete Selected"}},
        {"AlleLoeschen", {"Alle Löschen", "Delete All"}},
        {"LabelGruppe2",
         {"Wählen Sie eine Maske für die betreffenden Dateien", "Choose a Mask for the Files."}},
        {"LabelKonstanten",
         {"Folgende Konstanten sind verfügbar. Klicken Sie auf eine Konstante, um sie in die Maske "
          "einzufügen.",
          "The following Constants are available. Click on a Constant, to copy it to the Mask."}},
        {"LabelName", {"Der alte Name der Datei", "Old Name of the File"}},
        {"LabelNum", {"Nummerierung beginnend bei:", "Numbering starting with:"}},
        {"LabelNullNum", {"Nummerierung mit führenden Nullen", "Numbering with Left-Hand-Zeros"}},
        {"LabelAbs", {"Absolute Anzahl an Dateien in der Liste", "Total Number of Files in the List"}},
        {"morePlaceholders", {"Weitere Konstanten", "More Constants"}},
        {"LabelGruppe3",
         {"Ersetzen Sie in dem Dateinamen bestimmte Ausdrücke durch andere.",
          "Find and Replace Expressions in the Filename."}},
        {"suchenersetzen", {"Suchen nach:", "Search for:"}},
        {"LabelErsetzen", {"Ersetzen durch:", "Replace with:"}},
        {"LabelSuchenIn", {"Suchen und Ersetzen in:", "Search and Replace in:"}},
        {"cb_suchname", {"Dateiname", "File Name"}},
        {"cb_suchendung", {"Dateiendung", "File Extension"}},
        {"cb_regex", {"Reguläre Ausdrücke", "Regular expressions"}},
        {"cb_case", {"Groß-/Kleinschreibung ignorieren", "Ignore case"}},
        {"GroupBox4", {"Vorschau", "Preview"}},
        {"LabelAlt", {"Alter Name:", "Old Name:"}},
        {"LabelNeu", {"Neuer Name:", "New Name:"}},
        {"Umbenennen", {"Umbenennen", "Rename"}},
        {"Rueckgaengig", {"Rückgängig", "Undo"}},
        {"pop1", {"Übergeordneten Ordner öffnen", "Open corresponding Folder"}},
        {"pop2", {"Dateiinformationen anzeigen", "Show File Information"}},
        {"pop3", {"Markierte Dateien in die Zwischenablage kopieren", "Copy selected Files to Clipboard"}},
        {"pop4", {"Markierte Dateien aus der Liste löschen", "Delete selected Files from List"}},
    };
    return texts;
}

const QVector<ControlText> &renamixFilterTexts()
{
    static const QVector<ControlText> texts = {
        {"TRenamix_filter", {"Filter", "Filter"}},
        {"LabelFrage", {"Nach welchen Dateien soll gesucht werden?", "Which files shall be looked for?"}},
        {"alle", {"Alle Dateien suchen (Keinen Filter verwenden)", "Search for all files (Use no filter)"}},
        {"auswahl", {"Nur nach folgenden Dateien suchen:", "Only search for following files:"}},
        {"OK", {"OK", "OK"}},
    };
    return texts;
}
