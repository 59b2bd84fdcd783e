#include "table/column_kinds.h"

#include "common/language.h"

#include <array>

namespace {

const ColumnKindInfo kinds[ColumnKindCount] = {
    {ColumnKind::FileName, "01 Dateiname", "01 Filename", PB::act_name, PB::act_name_ed, PB::act_name_rb,
     "Name", "Name"},
    {ColumnKind::Format, "02 Format", "02 Format", PB::act_format_dateiformat, PB::act_format_dateiformat_ed,
     PB::act_format_dateiformat_rb, "Format", "Format"},
    {ColumnKind::WindowsType, "03 Windows Typ", "03 Windows Type", PB::act_format_windowstyp,
     PB::act_format_windowstyp_ed, PB::act_format_windowstyp_rb, "Typ", "Type"},
    {ColumnKind::Size, "04 Dateigröße", "04 File Size", PB::act_size, PB::act_size_ed, PB::act_size_rb,
     "Dateigröße", "File Size"},
    {ColumnKind::Created, "05 Erstellt", "05 Created", PB::act_datum_erstellt, PB::act_datum_erstellt_ed,
     PB::act_datum_erstellt_rb, "Erstellt", "Created"},
    {ColumnKind::Accessed, "06 Zugegriffen", "06 Accessed", PB::act_datum_zugegriffen,
     PB::act_datum_zugegriffen_ed, PB::act_datum_zugegriffen_rb, "Zugegriffen", "Accessed"},
    {ColumnKind::Changed, "07 Geändert", "07 Changed", PB::act_datum_changed, PB::act_datum_changed_ed,
     PB::act_datum_changed_rb, "Geändert", "Changed"},
    {ColumnKind::Hidden, "08 Versteckt", "08 Hidden", PB::act_attribute_hidden, PB::act_attribute_hidden_ed,
     PB::act_attribute_hidden_rb, "Versteckt", "Hidden"},
    {ColumnKind::ReadOnly, "09 Schreibgeschützt", "09 Read Only", PB::act_attribute_readonly,
     PB::act_attribute_readonly_ed, PB::act_attribute_readonly_rb, "Schreibgeschützt", "Read Only"},
    {ColumnKind::Program, "10 Verknüpftes Programm", "10 Associated Application", PB::act_exeprog,
     PB::act_exeprog_ed, PB::act_exeprog_rb, "Verknüpft mit", "Associated with"},
    {ColumnKind::Path, "11 Dateipfad", "11 File Path", PB::act_pfad, PB::act_pfad_ed, PB::act_pfad_rb,
     "Dateipfad", "File Path"},
    {ColumnKind::Checksums, "12 Prüfsummen", "12 Checksums", PB::act_checksum, std::nullopt, std::nullopt,
     nullptr, nullptr},
};

const ChecksumColumnInfo checksums[ChecksumKindCount] = {
    {ChecksumKind::MD5, "MD5", PB::act_checksum_md5, PB::act_checksum_md5_rb},
    {ChecksumKind::CRC32, "CRC32", PB::act_checksum_crc, PB::act_checksum_crc32_rb},
    {ChecksumKind::SHA1, "SHA1", PB::act_checksum_sha1, PB::act_checksum_sha1_rb},
    {ChecksumKind::SHA256, "SHA256", PB::act_checksum_sha256, PB::act_checksum_sha256_rb},
    {ChecksumKind::SHA512, "SHA512", PB::act_checksum_sha512, PB::act_checksum_sha512_rb},
};

const char16_t *const kindKeys[ColumnKindCount - 1] = {u"name",     u"format",   u"type",     u"size",
                                                       u"created",  u"accessed", u"modified", u"hidden",
                                                       u"readOnly", u"program",  u"path"};
const char16_t *const checksumKeys[ChecksumKindCount] = {u"md5", u"crc32", u"sha1", u"sha256", u"sha512"};

} // namespace

QString columnKey(ColumnKind kind, ChecksumKind checksum)
{
    return QString::fromUtf16(kind == ColumnKind::Checksums ? checksumKeys[int(checksum)]
                                                            : kindKeys[int(kind) - 1]);
}

const ColumnKindInfo &columnKindInfo(ColumnKind kind)
{
    return kinds[int(kind) - 1];
}

QString orderItemText(ColumnKind kind, Language language)
{
    static const auto texts = [] {
        std::array<std::array<QString, 2>, ColumnKindCount + 1> made;
        for (int number = 1; number <= ColumnKindCount; ++number)
            for (const Language each : {Language::German, Language::English})
                made[number][int(each)] = columnKindInfo(ColumnKind(number)).orderItem.in(each);
        return made;
    }();
    return texts[int(kind)][int(language)];
}

QString headerDefault(ColumnKind kind, Language language)
{
    return columnKindInfo(kind).headerDefault.in(language);
}

const ChecksumColumnInfo &checksumColumnInfo(ChecksumKind kind)
{
    return checksums[int(kind)];
}

std::optional<ColumnKind> kindOfActivation(SettingId setting)
{
    for (int number = 1; number <= ColumnKindCount; ++number)
        if (setting == columnKindInfo(ColumnKind(number)).activation.id)
            return ColumnKind(number);
    return std::nullopt;
}

std::optional<KeyedColumn> columnOfKey(const QString &key)
{
    for (int number = 1; number < ColumnKindCount; ++number)
        if (key == QStringView(kindKeys[number - 1]))
            return KeyedColumn{ColumnKind(number)};
    for (int c = 0; c < ChecksumKindCount; ++c)
        if (key == QStringView(checksumKeys[c]))
            return KeyedColumn{ColumnKind::Checksums, ChecksumKind(c)};
    return std::nullopt;
}
