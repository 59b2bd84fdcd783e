#include "ui/design_sections.h"

const QVector<DesignSection> &designSections()
{
    static const QVector<DesignSection> sections = {
        {"apanel10", "apanel11", "act_name", "act_name_bb", nullptr},
        {"apanel20", "apanel21", "act_format_dateiformat", "act_format_bb", nullptr},
        {"apanel20a", "apanel21a", "act_format_windowstyp", "act_formatwin_bb", nullptr},
        {"apanel30", "apanel31", "act_size", "act_size_bb", nullptr},
        {"apanel40", "apanel41", "act_datum_erstellt", "act_datum_bb", nullptr},
        {"apanel40a", "apanel41a", "act_datum_zugegriffen", "act_datumzugeg_bb", nullptr},
        {"apanel40b", "apanel41b", "act_datum_changed", "act_datumch_bb", nullptr},
        {"apanel50", "apanel51", "act_attribute_hidden", "act_attribute_bb", nullptr},
        {"apanel50a", "apanel51a", "act_attribute_readonly", "act_attributero_bb", nullptr},
        {"apanel60", "apanel61", "act_exeprog", "act_exeprog_bb", nullptr},
        {"apanel70", "apanel71", "act_pfad", "act_pfad_bb", nullptr},
        {"apanel70a", "apanel71a", "act_checksum", "act_checksum_bb", nullptr},
        {"apanel80", "apanel81", nullptr, "des_allg_bb", "Label7"},
        {"apanel90", "apanel91", nullptr, "des_spalte_bb", "Label9"},
        {"apanel100", "apanel101", nullptr, "des_tab_bb", "Label8"},
        {"apanelweitere0", "apanelweitere1", nullptr, nullptr, "Label13"},
    };
    return sections;
}
