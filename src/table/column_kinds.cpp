#include "table/column_kinds.h"

#include "common/language.h"

namespace {

const ColumnKindInfo kinds[ColumnKindCount] = {
    {ColumnKind::FileName, "01 Dateiname", "01 Filename", "act_name", "act_name_ed", "act_name_rb", "Name",
     "Name"},
    {ColumnKind::Format, "02 Format", "02 Format", "act_format_dateiformat", "act_format_dateiformat_ed",
     "act_format_dateiformat_rb", "Format", "Format"},
    {ColumnKind::WindowsType, "03 Windows Typ", "03 Windows Type", "act_format_windowstyp",
     "act_format_windowstyp_ed", "act_format_windowstyp_rb", "Typ", "Type"},
    {ColumnKind::Size, "04 Dateigröße", "04 File Size", "act_size", "act_size_ed", "act_size_rb",
     "Dateigröße", "File Size"},
    {ColumnKind::Created, "05 Erstellt", "05 Created", "act_datum_erstellt", "act_datum_erstellt_ed",
     "act_datum_erstellt_rb", "Erstellt", "Created"},
    {ColumnKind::Accessed, "06 Zugegriffen", "06 Accessed", "act_datum_zugegriffen",
     "act_datum_zugegriffen_ed", "act_datum_zugegriffen_rb", "Zugegriffen", "Accessed"},
    {ColumnKind::Changed, "07 Geändert", "07 Changed", "act_datum_changed", "act_datum_changed_ed",
     "act_datum_changed_rb", "Geändert", "Changed"},
    {ColumnKind::Hidden, "08 Versteckt", "08 Hidden", "act_attribute_hidden", "act_attribute_hidden_ed",
     "act_attribute_hidden_rb", "Versteckt", "Hidden"},
    {ColumnKind::ReadOnly, "09 Schreibgeschützt", "09 Read Only", "act_attribute_readonly",
     "act_attribute_readonly_ed", "act_attribute_readonly_rb", "Schreibgeschützt", "Read Only"},
    {ColumnKind::Program, "10 Verknüpftes Programm", "10 Associated Application", "act_exeprog",
     "act_exeprog_ed", "act_exeprog_rb", "Verknüpft mit", "Associated with"},
    {ColumnKind::Path, "11 Dateipfad", "11 File Path", "act_pfad", "act_pfad_ed", "act_pfad_rb", "Dateipfad",
     "File Path"},
    {ColumnKind::Checksums, "12 Prüfsummen", "12 Checksums", "act_checksum", nullptr, nullptr, nullptr,
     nullptr},
};

const ChecksumColumnInfo checksums[ChecksumKindCount] = {
    {ChecksumKind::MD5, "MD5", "act_checksum_md5", "act_checksum_md5_rb"},
    {ChecksumKind::CRC32, "CRC32", "act_checksum_crc", "act_checksum_crc32_rb"},
    {ChecksumKind::SHA1, "SHA1", "act_checksum_sha1", "act_checksum_sha1_rb"},
    {ChecksumKind::SHA256, "SHA256", "act_checksum_sha256", "act_checksum_sha256_rb"},
    {ChecksumKind::SHA512, "SHA512", "act_checksum_sha512", "act_checksum_sha512_rb"},
};

} // namespace

const ColumnKindInfo &columnKindInfo(ColumnKind kind)
{
    return kinds[int(kind) - 1];
}

QString orderItemText(ColumnKind kind, Language language)
{
    return columnKindInfo(kind).orderItem.in(language);
}

QString headerDefault(ColumnKind kind, Language language)
{
    return columnKindInfo(kind).headerDefault.in(language);
}

const ChecksumColumnInfo &checksumColumnInfo(ChecksumKind kind)
{
    return checksums[int(kind)];
}

std::optional<ColumnKind> kindOfActivation(const QString &name)
{
    for (int number = 1; number <= ColumnKindCount; ++number)
        if (name == QLatin1StringView(columnKindInfo(ColumnKind(number)).activation))
            return ColumnKind(number);
    return std::nullopt;
}
