#include "shell/shell_texts.h"

#include "common/tabulix_error.h"

const QVector<ShortcutsCaption> &shortcutsCaptions()
{
    static const QVector<ShortcutsCaption> captions = {
        {shortcutsWindowName, {"Verknüpfungen", "Shortcuts"}},
        // Entries of the user's own desktop need no administrator rights; the note says so.
        {"Label1",
         {"Diese Einträge gelten für Ihr Benutzerkonto.", "These entries apply to your user account."}},
        {"GroupBox1",
         {"Verknüpfung mit Konfigurationsdateien (*.tbx)", "Shortcut to Configuration Files (*.tbx)"}},
        {"Label2",
         {"Verknüpfung dieses Programms mit Konfigurationsdateien (Dateiendung: .tbx)",
          "Shortcut of this Application with Configuration Files (File Extension: .tbx)"}},
        {"GroupBox2", {"Senden an", "Send to"}},
        {"Label3",
         {"Anzeige dieses Programms im \"Senden an\" - Explorer Kontextmenü",
          "Show this Application in the Explorer Context Menu \"Send to\""}},
        {"GroupBox3", {"Verknüpfung mit Ordnern", "Shortcut with Folders"}},
        {"Label4",
         {"Anzeige dieses Programms im Explorer Kontextmenü von Ordnern",
          "Show this Application in the Explorer Context Menu of Folders"}},
        {"GroupBox4", {"Verknüpfung mit Dateien", "Shortcut with Files"}},
        {"Label5",
         {"Anzeige dieses Programms im Explorer Kontextmenü aller Dateien",
          "Show this Application in the Explorer Context Menu of all Files"}},
        {"Label6",
         {"Anzeige dieses Programms im Explorer Kontextmenü dieser Dateien:",
          "Show this Application in the Explorer Context Menu of these Files:"}},
        {"KonfigAn", {"Verknüpfen", "Register"}},
        {"KonfigAus", {"Entfernen", "Remove"}},
        {"SendenAnAn", {"Verknüpfen", "Register"}},
        {"SendenAnAus", {"Entfernen", "Remove"}},
        {"OrdnerAn", {"Verknüpfen", "Register"}},
        {"OrdnerAus", {"Entfernen", "Remove"}},
        {"AlleDateienAn", {"Verknüpfen", "Register"}},
        {"AlleDateienAus", {"Entfernen", "Remove"}},
        {"BeliebigeDateienAn", {"Verknüpfen", "Register"}},
        {"BeliebigeDateienAus", {"Entfernen", "Remove"}},
        {"Button1", {"OK", "OK"}},
    };
    return captions;
}

QString shortcutsCaption(const QString &name, Language language)
{
    for (const ShortcutsCaption &caption : shortcutsCaptions()) {
        if (name == QLatin1String(caption.name))
            return caption.caption.in(language);
    }
    throw TabulixError(QStringLiteral("no caption for ") + name);
}

QString administratorLine(bool runsAsAdministrator, Language language)
{
    const BilingualText line =
        runsAsAdministrator ? BilingualText{"Das Programm wird gerade als Administrator ausgeführt.",
                                            "The Program is running as an Administrator."}
                            : BilingualText{"Das Programm wird gerade nicht als Administrator ausgeführt.",
                                            "The Program is not running as an Administrator."};
    return line.in(language);
}
