#pragma once
// What the program knows about each column kind and each checksum sub-column: the
// order-list item, the names of its settings and its header defaults in both languages.
#include "common/language.h"
#include "common/setting_ids.h"
#include "table/act_array.h"

#include <QString>
#include <optional>

struct ColumnKindInfo {
    ColumnKind kind;
    BilingualText orderItem;                // "01 Dateiname" / "01 Filename"
    CheckSetting activation;                // makes the kind a column
    std::optional<TextSetting> header;      // none for the checksums
    std::optional<CheckSetting> rightAlign; // none for the checksums
    BilingualText headerDefault;            // none for the checksums
};

// Kinds 01 to 12 in kind order; index = kind number - 1.
const ColumnKindInfo &columnKindInfo(ColumnKind kind);

// The kind this setting makes a column, if any.
std::optional<ColumnKind> kindOfActivation(SettingId setting);

// The order-list item of a kind in the interface language ("de" or else English).
QString orderItemText(ColumnKind kind, Language language);
// The header default of kinds 01 to 11 in the interface language.
QString headerDefault(ColumnKind kind, Language language);

struct ChecksumColumnInfo {
    ChecksumKind kind;
    const char *header;      // "MD5" ... also the checkbox caption in both languages
    CheckSetting enabling;   // the cell is computed, and is a sub-column of kind 12
    CheckSetting rightAlign; // note act_checksum_crc but act_checksum_crc32_rb
};

const ChecksumColumnInfo &checksumColumnInfo(ChecksumKind kind);

// The stable English key of a column in data formats and on the command line: "name",
// "format", "type", "size", "created", "accessed", "modified", "hidden", "readOnly",
// "program", "path", and for the checksum sub-columns "md5", "crc32", "sha1", "sha256", "sha512".
QString columnKey(ColumnKind kind, ChecksumKind checksum = ChecksumKind::MD5);

// The column a key names: a kind, and for "md5" ... "sha512" the checksum sub-column.
struct KeyedColumn {
    ColumnKind kind;
    ChecksumKind checksum = ChecksumKind::MD5;
};
std::optional<KeyedColumn> columnOfKey(const QString &key);
