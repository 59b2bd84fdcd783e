#pragma once
// A checksum file as the files it names and the digests it expects of them, whatever program
// wrote it.
#include "collect/checksums.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

enum class ManifestFormat {
    GnuLines, // "HEX  NAME", as md5sum and its kin write them
    BsdTags,  // "SHA256 (NAME) = HEX"
    Sfv,      // "NAME CRC32"
    Hashdeep, // "%%%% HASHDEEP-1.0" with the columns its header names
    CsvTable, // our own CSV tables with the full path column and checksum columns
};

struct ExpectedDigest {
    ChecksumKind kind;
    QByteArray hex; // lower case
};

struct ManifestEntry {
    QByteArray name; // the bytes of the file's name, unescaped
    QList<ExpectedDigest> digests;
    std::optional<qint64> size;
    qsizetype line = 0; // counted from 1
};

struct Manifest {
    ManifestFormat format = ManifestFormat::GnuLines;
    QList<ManifestEntry> entries;
    QList<qsizetype> badLines;    // numbers of the improperly formatted lines
    qsizetype rowsWithoutDigest = 0; // table rows whose checksum cells hold no digest
    QString unusable;             // why the manifest cannot be checked at all, if it cannot
};

// Adds what a line read: its entry, numbered, or else its number to the bad lines.
void addLine(Manifest &manifest, std::optional<ManifestEntry> entry, qsizetype number);

// The length of the lower-case hexadecimal text of a kind.
int hexLength(ChecksumKind kind);
// The kind's name as checksum programs print it: "MD5", "SHA256", "CRC32", ...
QString digestName(ChecksumKind kind);
// The name of the kind the manifest checks with (that of its first entry), for its messages.
QString digestName(const Manifest &manifest);
