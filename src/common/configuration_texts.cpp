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
