// Profiles: the automatic-saving switches and the main-window settings of the option groups
// checked in the profile window.
#include "config/profile_groups.h"

#include "config/configuration_file.h"
#include "config/menu_switch_keys.h"
#include "config/stored_settings.h"

const QVector<ProfileGroup> &profileGroups()
{
    static const QVector<ProfileGroup> groups = {
        {PS::act_name,
         {"Dateiname", "File Name"},
         {PB::act_name, PB::act_name_endung, PB::act_name_ed, PB::act_name_rb, PB::act_name_htmllink}},
        {PS::act_format_dateiformat,
         {"Dateiformat", "File Format"},
         {PB::act_format_dateiformat, PB::act_format_dateiformat_ed, PB::act_format_dateiformat_rb}},
        {PS::act_format_windowstyp,
         {"Windows Datei Typ", "Windows File Type"},
         {PB::act_format_windowstyp_ed, PB::act_format_windowstyp_rb, PB::act_format_windowstyp}},
        {PS::act_size,
         {"Dateigröße", "File Size"},
         {PB::act_size, PB::act_size_einheit, PB::act_size_nks, PB::act_size_ed, PB::act_size_rb,
          PB::act_size_showunit, PB::act_size_1000}},
        {PS::act_datum_erstellt,
         {"Datum: Erstellt", "Date: Created"},
         {PB::act_datum_erstellt_date, PB::act_datum_erstellt_uhrzeit, PB::act_datum_erstellt_ed,
          PB::act_datum_erstellt_rb, PB::act_datum_erstellt_format, PB::act_datum_erstellt}},
        {PS::act_datum_zugegriffen,
         {"Datum: Letzter Zugriff", "Date: Accessed"},
         {PB::act_datum_zugegriffen, PB::act_datum_zugegriffen_date, PB::act_datum_zugegriffen_uhrzeit,
          PB::act_datum_zugegriffen_ed, PB::act_datum_zugegriffen_rb, PB::act_datum_zugegriffen_format}},
        {PS::act_datum_changed,
         {"Datum: Geändert", "Date: Changed"},
         {PB::act_datum_changed, PB::act_datum_changed_date, PB::act_datum_changed_uhrzeit,
          PB::act_datum_changed_ed, PB::act_datum_changed_rb, PB::act_datum_changed_format}},
        {PS::act_attribute_hidden,
         {"Attribut: Versteckt", "Attribut: Hidden"},
         {PB::act_attribute_hidden, PB::act_attribute_hidden_ja, PB::act_attribute_hidden_nein,
          PB::act_attribute_hidden_ed, PB::act_attribute_hidden_rb}},
        {PS::act_attribute_readonly,
         {"Attribut: Schreibgeschützt", "Attribut Read Only"},
         {PB::act_attribute_readonly, PB::act_attribute_readonly_ja, PB::act_attribute_readonly_nein,
          PB::act_attribute_readonly_ed, PB::act_attribute_readonly_rb}},
        {PS::act_exeprog,
         {"Verknüpftes Programm", "Associated Application"},
         {PB::act_exeprog, PB::act_exeprog_pfad, PB::act_exeprog_name, PB::act_exeprog_ed,
          PB::act_exeprog_rb}},
        {PS::act_pfad,
         {"Dateipfad", "File Path"},
         {PB::act_pfad, PB::act_pfad_datei, PB::act_pfad_endung, PB::act_pfad_direkterordner,
          PB::act_pfad_kurz, PB::act_pfad_ed, PB::act_pfad_rb, PB::act_pfad_htmllink}},
        {PS::opt_allg,
         {"Allgemeine Optionen", "General Options"},
         {PB::des_allg_striche_cb, PB::des_allg_endeanzahl, PB::des_allg_endesize, PB::des_allg_spaltenheader,
          PB::des_allg_header_cb, PB::des_allg_header, PB::des_allg_striche, PB::des_tab_padding,
          PB::des_tab_zeichen, PB::des_tab_z, PB::des_tab_pz, PB::des_tab_zeichen_ende,
          PB::des_tab_zeichen_ende_zeichen}},
        {PS::opt_grup,
         {"Gruppierung", "Grouping"},
         {PB::des_grup_nein, PB::des_grup_ja, PB::des_grup, PB::des_grup_header, PB::des_grup_oben,
          PB::des_grup_unten}},
        {PS::opt_order, {"Reihenfolge der Spalten", "Order of Columns"}, {}},
        {PS::alle, {"Alle aktivieren oder deaktivieren", "Activate or Deactivate all"}, {}},
    };
    return groups;
}

void writeProfile(const Settings &settings, IniDocument &document)
{
    writeMenuSwitches(settings, document, u"AS");
    for (const ProfileGroup &group : profileGroups()) {
        if (!settings.isOn(group.checkBox))
            continue;
        for (const SettingId setting : group.settings)
            writeSetting(settings, document, setting);
    }
    if (settings.isOn(PS::opt_order))
        writeColumnOrder(settings, document);
}
