#include "common/prog_captions.h"

#include "common/language.h"

const QVector<ControlText> &progTexts()
{
    static const QVector<ControlText> texts = {
        {"Label1",
         "Ziehen Sie die Dateien, die in die Liste sollen, in die Liste oder öffnen Sie einen Ordner.",
         "Drag the Files for your File List into this list or open a folder."},
        {"OpenOrdner", "Ordner Öffnen..", "Open Folder.."},
        {"bitbtn1", "Filter..", "Filter.."},
        {"inp_uv", "Auch Unterverzeichnisse durchsuchen", "Search all Subfolders"},
        {"inp_ow", "Ordnerinhalte überwachen", "Watch Content of Folder"},
        {"inp_deleteselect", "Markierte entfernen", "Remove Selected"},
        {"inp_deleteall", "Alle entfernen", "Remove All"},
        {"box_dat_top", " Dateien", " Files"},
        {"box_vor_top", " Vorschau", " Preview"},
        {"box_akt_top", " Spalten und Design", " Columns and Design"},
        {"box_sav_top", " Speichern", " Save"},
        {"close_input", "Input Bereich minimieren", "Minimize Input Area", true},
        {"close_vorschau", "Vorschau minimieren", "Minimize Preview Area", true},
        {"close_actions", "Spalten und Design Bereich minimieren", "Minimize Columns and Design Area", true},
        {"close_output", "Speicheroptionen minimieren", "Minimize Saving Options", true},
        {"max_input", "Input", "Input"},
        {"max_vorschau", "Vorschau", "Preview"},
        {"max_aktionen", "Spalten", "Columns"},
        {"max_output", "Speichern", "Save"},
        {"max_input", "Input Bereich maximieren", "Maximize Input Area", true},
        {"max_vorschau", "Vorschau maximieren", "Maximize Preview Area", true},
        {"max_aktionen", "Spalten und Design Bereich maximieren", "Maximize Columns and Design Area", true},
        {"max_output", "Speicheroptionen maximieren", "Maximize Saving Options", true},
        {"Aktualisieren", "Aktualisieren", "Refresh"},
        {"Zwischenablage", "Zwischenablage", "Clipboard"},
        {"Speichern", "Speichern", "Save"},
        {"m_datei", "Datei", "File"},
        {"m_datei_open", "Dateien zur Liste hinzufügen..", "Add Files to List.."},
        {"m_datei_ordner", "Ordner zur Liste hinzufügen..", "Add Folder to List.."},
        {"m_datei_delall", "Ganze Liste mit Dateien löschen", "Remove all Files from List"},
        {"m_datei_delmark", "Markierte Dateien aus Liste entfernen", "Remove selected Files from List"},
        {"m_datei_konvert", "Dateiliste erstellen und speichern", "Create and Save File List"},
        {"m_datei_zwischenablage", "Dateiliste in die Zwischenablage kopieren",
         "Copy File List to Clipboard"},
        {"m_datei_vorschauaktualisieren", "Vorschau aktualisieren", "Refresh Preview"},
        {"m_datei_beenden", "Beenden", "Close"},
        {"m_einst", "Einstellungen", "Settings"},
        {"m_einst_dat", "Dateien zur Liste hinzufügen", "Add Files to the List"},
        {"m_einst_ord", "Namen der Ordner zur Liste hinzufügen", "Add Name of Folders to the List"},
        {"m_einst_doppelt", "Dateien und Ordner nicht doppelt hinzufügen", "Add Files and Folder not twice"},
        {"m_einst_ausgabe", "Ausgabe Einstellungen..", "Output Settings.."},
        {"m_einst_vor_hg", "Vorschau: Hintergrundfarbe in Textdateien..",
         "Preview Window: Background Color.."},
        {"m_einst_vor_schrift", "Vorschau: Schriftart für Textdateien..",
         "Preview Window: Font for Text Files.."},
        {"m_einst_vor_umbruch", "Vorschau: Zeilenumbruch in Textdateien..",
         "Preview Window: Line Break in Text Files.."},
        {"m_einst_filter", "Filter für Ordnersuche..", "Filter for Search in Folders.."},
        {"m_einst_dst", "Datum der Dateien mit Sommerzeit-Korrektur",
         "File Times with Daylight Saving Time Correction"},
        {"m_einst_vorschau", "Vorschau aktivieren/deaktivieren", "Activate/Deactivate Preview"},
        {"vor_okay", "Vorschau", "Preview"},
        {"vor_text", "Text", "Text"},
        {"vor_pic", "Bild", "Image"},
        {"vor_web", "Web", "Web"},
        {"out_format_label", "In welchem Format soll die Liste erstellt werden?",
         "In which Format should your List be saved?"},
        {"m_konfig", "Konfiguration", "Configuration"},
        {"m_konfig_start", "Startkonfiguration (auto.tbx) laden wenn vorhanden",
         "Load Start Configuration (auto.tbx) if possible"},
    };
    return texts;
}

QString progText(const ControlText &text, Language language)
{
    return text.caption.in(language);
}
