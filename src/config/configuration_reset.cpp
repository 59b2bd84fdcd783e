// The reset of the menu "Konfiguration": the standard values of the settings it names, which
// differ in places from a fresh start. Everything it does not name keeps its value.
#include "config/configuration_file.h"
#include "table/default_texts.h"
#include "table/output_format.h"

namespace {

// Texts and choices of the main window in German; the language step brings them over.
const char *const mainTexts[][2] = {
    {"act_name_ed", "Name"},
    {"act_format_dateiformat_ed", "Format"},
    {"act_format_windowstyp_ed", "Typ"},
    {"act_size_ed", "Dateigröße"},
    {"act_datum_erstellt_ed", "Erstellt"},
    {"act_datum_zugegriffen_ed", "Zugegriffen"},
    {"act_datum_changed_ed", "Geändert"},
    {"act_attribute_hidden_ja", "ja"},
    {"act_attribute_readonly_ja", "ja"},
    {"act_attribute_hidden_nein", "nein"},
    {"act_attribute_readonly_nein", "nein"},
    {"act_attribute_hidden_ed", "Versteckt"},
    {"act_attribute_readonly_ed", "Schreibgeschützt"},
    {"des_grup", "Windows Typ"},
    {"act_exeprog_ed", "Verknüpft mit"},
    {"act_pfad_ed", "Dateipfad"},
    {"des_allg_header", "Dateiliste"},
    {"act_size_einheit", "KB"},
    {"act_size_nks", "3"},
    {"des_allg_striche", "-"},
    {"des_tab_z", ";"},
    {"des_tab_pz", ""},
    {"inp_ordner", ""},
};

const char *const shownPanels[] = {
    "Panel1",    "Panel2",   "Panel4",    "Panel5",    "Panel3",    "apanel10",       "apanel20",
    "apanel30",  "apanel60", "apanel50",  "apanel40",  "apanel70",  "apanelweitere0", "apanel80",
    "apanel100", "apanel90", "apanel20a", "apanel40a", "apanel40b", "apanel50a",      "Panel12"};
const char *const hiddenPanels[] = {"apanel11",  "apanel21",  "apanel31",       "apanel41",  "apanel51",
                                    "apanel61",  "apanel71",  "apanelweitere1", "apanel101", "apanel91",
                                    "apanel21a", "apanel41a", "apanel41b",      "apanel51a", "apanel81"};

const char *const checkedOptions[] = {"inp_uv",
                                      "vor_okay",
                                      "act_name",
                                      "act_name_endung",
                                      "act_size",
                                      "act_size_rb",
                                      "act_datum_erstellt_date",
                                      "act_datum_erstellt_uhrzeit",
                                      "act_datum_erstellt",
                                      "act_exeprog_name",
                                      "act_pfad_datei",
                                      "act_pfad_endung",
                                      "act_pfad_kurz",
                                      "des_grup_header",
                                      "des_grup_unten",
                                      "act_datum_zugegriffen_date",
                                      "act_datum_zugegriffen_uhrzeit",
                                      "act_datum_changed_date",
                                      "act_datum_changed_uhrzeit",
                                      "des_allg_striche_cb",
                                      "des_allg_endeanzahl",
                                      "des_allg_endesize",
                                      "des_allg_spaltenheader",
                                      "des_grup_nein",
                                      "des_tab_padding"};
const char *const uncheckedOptions[] = {"act_name_rb",
                                        "act_format_dateiformat",
                                        "act_format_dateiformat_rb",
                                        "act_exeprog",
                                        "act_datum_erstellt_rb",
                                        "act_attribute_hidden",
                                        "act_attribute_hidden_rb",
                                        "act_exeprog_pfad",
                                        "act_exeprog_rb",
                                        "act_pfad",
                                        "act_pfad_direkterordner",
                                        "act_pfad_rb",
                                        "des_grup_oben",
                                        "act_format_windowstyp_rb",
                                        "act_format_windowstyp",
                                        "act_datum_zugegriffen",
                                        "act_datum_zugegriffen_rb",
                                        "act_datum_changed",
                                        "act_datum_changed_rb",
                                        "act_attribute_readonly",
                                        "act_attribute_readonly_rb",
                                        "des_allg_header_cb",
                                        "des_grup_ja",
                                        "des_tab_zeichen"};

const char *const checkedFilterTypes[] = {"cb_musik",   "cb_video",    "cb_of_text", "cb_of_tab",
                                          "cb_of_pres", "cb_txt_allg", "cb_txt_web", "cb_txt_prog",
                                          "cb_txt_sys", "cb_txt_sons"};
const char *const uncheckedFilterTypes[] = {"cb_bild",     "cb_text",  "cb_office",
                                            "cb_sonstige", "cb_media", "cb_archive"};

void setAll(Settings &settings, SettingsWindow window, const auto &names, bool on)
{
    for (const char *name : names)
        settings.setOn(window, QString::fromUtf8(name), on);
}

QString freshValue(SettingsWindow window, const QString &name)
{
    for (const SettingDefinition &definition : settingDefinitions())
        if (definition.window == window && name == QString::fromUtf8(definition.name))
            return QString::fromUtf8(definition.value);
    return {};
}

void resetMainWindow(Settings &settings)
{
    const Language language = settings.language();
    settings.setColumnOrder(defaultColumnOrder(language));
    settings.setValue(SettingsWindow::PB, QStringLiteral("out_format"),
                      outFormatItem(OutputFormat::Txt, language));
    for (const auto &[name, value] : mainTexts)
        settings.setValue(SettingsWindow::PB, QString::fromUtf8(name), QString::fromUtf8(value));
    setAll(settings, SettingsWindow::PB, shownPanels, true);
    setAll(settings, SettingsWindow::PB, hiddenPanels, false);
    setAll(settings, SettingsWindow::PB, checkedOptions, true);
    setAll(settings, SettingsWindow::PB, uncheckedOptions, false);

    MainWindowPlacement placement = settings.mainPlacement();
    placement.window.maximized = false;
    placement.window.width = 761;
    placement.window.height = 614;
    placement.rightColumnWidth = 316;
    placement.filesAreaHeight = 289;
    settings.setMainPlacement(placement);
}

void resetLooks(Settings &settings)
{
    TextViewLook look = settings.textViewLook();
    look.background = Qt::white;
    look.font.font = QFont(QStringLiteral("Courier New"), look.font.font.pointSize());
    look.font.colour = Qt::black;
    look.wraps = false;
    settings.setTextViewLook(look);
    settings.setPictureFont({QFont(QStringLiteral("Courier New"), 8), Qt::black});
}

void resetOtherWindows(Settings &settings)
{
    settings.setOn(SettingsWindow::PF, QStringLiteral("alle"), true);
    setAll(settings, SettingsWindow::PF, checkedFilterTypes, true);
    setAll(settings, SettingsWindow::PF, uncheckedFilterTypes, false);
    for (const QString &list : settings.controlOrder(SettingsWindow::PF, SettingKind::Text))
        settings.setValue(SettingsWindow::PF, list, freshValue(SettingsWindow::PF, list));

    settings.setValue(SettingsWindow::EA, QStringLiteral("Edit1"), QStringLiteral("#FFFFFF"));
    settings.setOn(SettingsWindow::EA, QStringLiteral("rb_utf8"), true);

    for (const char *name : {"quordner", "suchenalt", "suchenneu"})
        settings.setValue(SettingsWindow::DU, QString::fromUtf8(name), QString());
    settings.setOn(SettingsWindow::DU, QStringLiteral("uv"), true);
    settings.setOn(SettingsWindow::DU, QStringLiteral("suchenersetzen"), false);
    settings.setValue(SettingsWindow::DU, QStringLiteral("maske"), QStringLiteral("%name%1"));
    settings.setValue(SettingsWindow::DU, QStringLiteral("numstart"), QStringLiteral("1"));
    settings.setRenamerPlacement({false, settings.renamerPlacement().left, settings.renamerPlacement().top,
                                  RenamerStartWidth, RenamerStartHeight});
    settings.setOn(SettingsWindow::DF, QStringLiteral("alle"), true);
    settings.setValue(SettingsWindow::DF, QStringLiteral("filter"), QStringLiteral("jpg,bmp,txt"));
}

} // namespace

void resetToStandard(Settings &settings)
{
    resetMainWindow(settings);
    resetLooks(settings);
    resetOtherWindows(settings);
    for (const MenuSwitch view :
         {MenuSwitch::ShowInput, MenuSwitch::ShowPreview, MenuSwitch::ShowActions, MenuSwitch::ShowOutput})
        settings.setOn(view, true);
    settings.setOn(MenuSwitch::AutoSaveNever, true);
    settings.setOn(MenuSwitch::AutoSaveProfile, false);
    settings.setOn(MenuSwitch::AutoSaveAll, false);
    translateDefaultTexts(settings, settings.language());
}
