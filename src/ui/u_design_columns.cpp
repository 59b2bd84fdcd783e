// The options panels of the twelve column kinds.
#include "ui/u_design_options.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The settings of each column's panel, top to bottom; the checksum panel has a form of its own.
const QVector<QVector<const char *>> &columnSettings()
{
    static const QVector<QVector<const char *>> settings = {
        {"act_name_endung", "act_name_ed", "act_name_htmllink", "act_name_rb"},
        {"act_format_dateiformat_ed", "act_format_dateiformat_rb"},
        {"act_format_windowstyp_ed", "act_format_windowstyp_rb"},
        {"act_size_einheit", "act_size_nks", "act_size_ed", "act_size_showunit", "act_size_1000",
         "act_size_rb"},
        {"act_datum_erstellt_date", "act_datum_erstellt_uhrzeit", "act_datum_erstellt_format",
         "act_datum_erstellt_ed", "act_datum_erstellt_rb"},
        {"act_datum_zugegriffen_date", "act_datum_zugegriffen_uhrzeit", "act_datum_zugegriffen_format",
         "act_datum_zugegriffen_ed", "act_datum_zugegriffen_rb"},
        {"act_datum_changed_date", "act_datum_changed_uhrzeit", "act_datum_changed_format",
         "act_datum_changed_ed", "act_datum_changed_rb"},
        {"act_attribute_hidden_ja", "act_attribute_hidden_nein", "act_attribute_hidden_ed",
         "act_attribute_hidden_rb"},
        {"act_attribute_readonly_ja", "act_attribute_readonly_nein", "act_attribute_readonly_ed",
         "act_attribute_readonly_rb"},
        {"act_exeprog_pfad", "act_exeprog_name", "act_exeprog_ed", "act_exeprog_rb"},
        {"act_pfad_datei", "act_pfad_endung", "act_pfad_direkterordner", "act_pfad_kurz", "act_pfad_ed",
         "act_pfad_htmllink", "act_pfad_rb"},
    };
    return settings;
}

void buildChecksumOptions(PanelBuilder &builder)
{
    const char *kinds[][2] = {{"act_checksum_md5", "act_checksum_md5_rb"},
                              {"act_checksum_crc", "act_checksum_crc32_rb"},
                              {"act_checksum_sha1", "act_checksum_sha1_rb"},
                              {"act_checksum_sha256", "act_checksum_sha256_rb"},
                              {"act_checksum_sha512", "act_checksum_sha512_rb"}};
    for (const auto &kind : kinds) {
        QCheckBox *enabled = builder.check(kind[0]);
        // The right-align switches stand in one column beside the five kinds.
        enabled->setMinimumWidth(90);
        builder.row({enabled, builder.check(kind[1])});
    }
    builder.row({builder.label(QStringLiteral("Label5"))});
    QLineEdit *limit = builder.field("act_checksum_max");
    limit->setMaximumWidth(80);
    builder.row({builder.label(QStringLiteral("Label10")), limit,
                 builder.label(QStringLiteral("act_checksum_max_unit"))});
    builder.layout()->addSpacing(4);
    builder.row({builder.label(QStringLiteral("Label37"))});
    builder.row({builder.label(QStringLiteral("Label38"))});
}

} // namespace

void buildColumnOptions(ColumnKind kind, PanelBuilder &builder)
{
    if (kind == ColumnKind::Checksums) {
        buildChecksumOptions(builder);
        return;
    }
    for (const char *name : columnSettings().at(int(kind) - 1))
        builder.setting(name);
}
