#pragma once
// Checksum files written for other programs to check: the lines of md5sum, sha1sum, sha256sum
// and sha512sum, escaped as coreutils 9.1 escapes them, and SFV files.
#include "collect/checksums.h"
#include "table/output_format.h"

#include <QByteArray>
#include <QList>
#include <optional>

enum class ManifestKind { Md5sum, Sha1sum, Sha256sum, Sha512sum, Sfv };

// The kind of checksum file an output format writes, if it writes one.
std::optional<ManifestKind> manifestKindOf(OutputFormat format);
// The digest the file's lines hold.
ChecksumKind digestOf(ManifestKind kind);

// The line of one file with its lower-case digest: "HEX  NAME", where a name holding "\", LF or CR
// has them written "\\", "\n" and "\r" after a "\" that starts the line; "NAME CRC32" in SFV
// (upper case, as SFV files have it), where a name holding a line end cannot stand (none).
std::optional<QByteArray> manifestLine(ManifestKind kind, const QByteArray &name, const QString &hex);

// The path as the file names it: below the folder (a system path) relative to it, else absolute.
QByteArray nameBelow(const QByteArray &path, const QByteArray &folder);

struct WrittenManifest {
    QList<QByteArray> lines;      // each with its LF
    QList<QByteArray> unreadable; // paths left out: not read to the end, or not nameable
    // The lines as the file's bytes.
    QByteArray bytes() const;
};
// The lines of every file among the paths in their order (folders are passed over), digests
// computed on all cores, names relative to the folder. Nothing once stop is set.
WrittenManifest writtenManifest(ManifestKind kind, const QList<QByteArray> &paths, const QByteArray &folder,
                                const std::atomic_bool *stop = nullptr);
