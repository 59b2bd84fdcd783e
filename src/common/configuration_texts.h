#pragma once
// The texts of the configuration dialogs and of the profile window in both languages; the
// captions of the profile window's check boxes come with its groups.
#include "common/language.h"

#include <QString>

enum class ConfigurationText {
    DialogFilter,   // "Tabulix Konfiguration (*.tbx)"
    ProposedName,   // "Konfiguration.tbx"
    ProfileCaption, // "Profil Speichern"
    ProfileGroup,   // "Einstellungen"
    ProfileHeading, // "Nur die Einstellungen folgender Spalten und Optionen werden gespeichert:"
    ProfileSave,    // "Profil Speichern"
    ProfileCancel,  // "Abbrechen"
};

QString configurationText(ConfigurationText text, Language language);
