#include "common/configuration_texts.h"

QString configurationText(ConfigurationText text, Language language)
{
    static const BilingualText texts[] = {
        {"Tabulix Konfiguration (*.tbx)", "Tabulix Configuration (*.tbx)"},
        {"Konfiguration.tbx", "Configuration.tbx"},
        {"Profil Speichern", "Save Profile"},
        {"Einstellungen", "Settings"},
        {"Nur die Einstellungen folgender Spalten und Optionen werden gespeichert:",
         "Only the Settings of the following Columns and Options will be stored:"},
        {"Profil Speichern", "Save Profile"},
        {"Abbrechen", "Cancel"},
    };
    return texts[static_cast<int>(text)].in(language);
}

const QVector<ProfileBox> &profileBoxes()
{
    static const QVector<ProfileBox> boxes = {
        {"act_name", {"Dateiname", "File Name"}},
        {"act_format_dateiformat", {"Dateiformat", "File Format"}},
        {"act_format_windowstyp", {"Windows Datei Typ", "Windows File Type"}},
        {"act_size", {"Dateigröße", "File Size"}},
        {"act_datum_erstellt", {"Datum: Erstellt", "Date: Created"}},
        {"act_datum_zugegriffen", {"Datum: Letzter Zugriff", "Date: Accessed"}},
        {"act_datum_changed", {"Datum: Geändert", "Date: Changed"}},
        {"act_attribute_hidden", {"Attribut: Versteckt", "Attribut: Hidden"}},
        {"act_attribute_readonly", {"Attribut: Schreibgeschützt", "Attribut Read Only"}},
        {"act_exeprog", {"Verknüpftes Programm", "Associated Application"}},
        {"act_pfad", {"Dateipfad", "File Path"}},
        {"opt_allg", {"Allgemeine Optionen", "General Options"}},
        {"opt_grup", {"Gruppierung", "Grouping"}},
        {"opt_order", {"Reihenfolge der Spalten", "Order of Columns"}},
        {"alle", {"Alle aktivieren oder deaktivieren", "Activate or Deactivate all"}},
    };
    return boxes;
}
