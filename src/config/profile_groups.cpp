// Profiles: the automatic-saving switches and the main-window settings of the option groups
// checked in the profile window.
#include "config/profile_groups.h"

#include "config/configuration_file.h"
#include "config/menu_switch_keys.h"
#include "config/stored_settings.h"

const QVector<ProfileGroup> &profileGroups()
{
    static const QVector<ProfileGroup> groups = {
        {"act_name",
         {"Dateiname", "File Name"},
         {"act_name", "act_name_endung", "act_name_ed", "act_name_rb", "act_name_htmllink"}},
        {"act_format_dateiformat",
         {"Dateiformat", "File Format"},
         {"act_format_dateiformat", "act_format_dateiformat_ed", "act_format_dateiformat_rb"}},
        {"act_format_windowstyp",
         {"Windows Datei Typ", "Windows File Type"},
         {"act_format_windowstyp_ed", "act_format_windowstyp_rb", "act_format_windowstyp"}},
        {"act_size",
         {"Dateigröße", "File Size"},
         {"act_size", "act_size_einheit", "act_size_nks", "act_size_ed", "act_size_rb", "act_size_showunit",
          "act_size_1000"}},
        {"act_datum_erstellt",
         {"Datum: Erstellt", "Date: Created"},
         {"act_datum_erstellt_date", "act_datum_erstellt_uhrzeit", "act_datum_erstellt_ed",
          "act_datum_erstellt_rb", "act_datum_erstellt_format", "act_datum_erstellt"}},
        {"act_datum_zugegriffen",
         {"Datum: Letzter Zugriff", "Date: Accessed"},
         {"act_datum_zugegriffen", "act_datum_zugegriffen_date", "act_datum_zugegriffen_uhrzeit",
          "act_datum_zugegriffen_ed", "act_datum_zugegriffen_rb", "act_datum_zugegriffen_format"}},
        {"act_datum_changed",
         {"Datum: Geändert", "Date: Changed"},
         {"act_datum_changed", "act_datum_changed_date", "act_datum_changed_uhrzeit", "act_datum_changed_ed",
          "act_datum_changed_rb", "act_datum_changed_format"}},
        {"act_attribute_hidden",
         {"Attribut: Versteckt", "Attribut: Hidden"},
         {"act_attribute_hidden", "act_attribute_hidden_ja", "act_attribute_hidden_nein",
          "act_attribute_hidden_ed", "act_attribute_hidden_rb"}},
        {"act_attribute_readonly",
         {"Attribut: Schreibgeschützt", "Attribut Read Only"},
         {"act_attribute_readonly", "act_attribute_readonly_ja", "act_attribute_readonly_nein",
          "act_attribute_readonly_ed", "act_attribute_readonly_rb"}},
        {"act_exeprog",
         {"Verknüpftes Programm", "Associated Application"},
         {"act_exeprog", "act_exeprog_pfad", "act_exeprog_name", "act_exeprog_ed", "act_exeprog_rb"}},
        {"act_pfad",
         {"Dateipfad", "File Path"},
         {"act_pfad", "act_pfad_datei", "act_pfad_endung", "act_pfad_direkterordner", "act_pfad_kurz",
          "act_pfad_ed", "act_pfad_rb", "act_pfad_htmllink"}},
        {"opt_allg",
         {"Allgemeine Optionen", "General Options"},
         {"des_allg_striche_cb", "des_allg_endeanzahl", "des_allg_endesize", "des_allg_spaltenheader",
          "des_allg_header_cb", "des_allg_header", "des_allg_striche", "des_tab_padding", "des_tab_zeichen",
          "des_tab_z", "des_tab_pz", "des_tab_zeichen_ende", "des_tab_zeichen_ende_zeichen"}},
        {"opt_grup",
         {"Gruppierung", "Grouping"},
         {"des_grup_nein", "des_grup_ja", "des_grup", "des_grup_header", "des_grup_oben", "des_grup_unten"}},
        {"opt_order", {"Reihenfolge der Spalten", "Order of Columns"}, {}},
        {"alle", {"Alle aktivieren oder deaktivieren", "Activate or Deactivate all"}, {}},
    };
    return groups;
}

void writeProfile(const Settings &settings, IniDocument &document)
{
    writeMenuSwitches(settings, document, u"AS");
    for (const ProfileGroup &group : profileGroups()) {
        if (!settings.isOn(SettingsWindow::PS, QString::fromUtf8(group.checkBox)))
            continue;
        for (const char *name : group.settings)
            writeSetting(settings, document, SettingsWindow::PB, QString::fromUtf8(name));
    }
    if (settings.isOn(SettingsWindow::PS, QStringLiteral("opt_order")))
        writeColumnOrder(settings, document);
}
