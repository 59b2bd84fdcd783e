#include "ui/output_settings_captions.h"

#include "common/tabulix_error.h"

const QVector<ControlText> &outputSettingsCaptions()
{
    static const QVector<ControlText> captions = {
        {outputSettingsWindowName, "Ausgabe Einstellungen", "Output Settings"},
        {"GroupBox1", "Ausgabe als Bild", "Export as Image"},
        {"Label1", "Schrift und Hintergrundfarbe bei einer Ausgabe als Bild:",
         "Font and Background Color at an Output as Image:"},
        {"BitBtn6", "Schrift wählen..", "Choose Font.."},
        {"Label3", "Aktuelle Schrift", "Current Font"},
        {"BitBtn1", "Hintergrundfarbe..", "Background Color.."},
        {"GroupBox2", "Kodierung von Textdateien", "Coding of Text Files"},
        {"Label2", "Format zum Speichern von Textdateien:", "File Format for saving Text Files:"},
        {"rb_ansi", "ANSI Text", "ANSI Text"},
        {"rb_utf7", "Unicode UTF-7", "Unicode UTF-7"},
        {"rb_utf7ansi", "Unicode UTF-7 als ANSI gespeichert", "Unicode UTF-7 saved as ANSI"},
        {"rb_utf8", "Unicode UTF-8", "Unicode UTF-8"},
        {"rb_beibehalten", "Wenn möglich, Kodierung übernehmen", "Adopt Coding if possible"},
        {"rb_utf16le", "Unicode UTF-16 Little Endian", "Unicode UTF-16 Little Endian"},
        {"rb_utf_be", "Unicode UTF-16 Big Endian", "Unicode UTF-16 Big Endian"},
        {"rb_utf32le", "Unicode UTF-32 Little Endian", "Unicode UTF-32 Little Endian"},
        {"rb_utf32be", "Unicode UTF-32 Big Endian", "Unicode UTF-32 Big Endian"},
        {"Label4", "Informationen zu den Formaten erhalten Sie auf:",
         "Information about the File Formats, you can get on:"},
        {"GroupBox3", "Ausgabe als CSV", "Export as CSV"},
        {"Label5", "Trennzeichen:", "Separator:"},
        {"Label6", "Zeichen am Zeilenende:", "Character at end of line:"},
        {"Label7", "Werte einschließen mit:", "Surround values with:"},
        {"Label8", "Tipp: Benutzen Sie %tab% für Tabs.", "Tip: Use %tab% for tabs."},
        {"csv_lb", "Zeilenumbruch am Ende jeder Zeile", "Line breaks at the end of each line"},
        {"Button1", "OK", "OK"},
    };
    return captions;
}

QString outputSettingsCaption(const QString &name, Language language)
{
    for (const ControlText &caption : outputSettingsCaptions())
        if (name == QLatin1String(caption.component))
            return caption.caption.in(language);
    throw TabulixError(QStringLiteral("No caption for \"%1\" in the output settings").arg(name));
}
