#pragma once
// The texts of the configuration dialogs and of the profile window in both languages.
#include "common/language.h"

#include <QString>
#include <QVector>

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

// A check box of the profile window: its component name and caption.
struct ProfileBox {
    const char *name;
    BilingualText caption;
};

// Every check box of the profile window, top to bottom: the groups in the order of writing,
// then "opt_order" and "alle".
const QVector<ProfileBox> &profileBoxes();
