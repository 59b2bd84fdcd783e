#pragma once
// Our own CSV tables as checksum files: the full path column ("Dateipfad" / "File Path") and
// one or more checksum columns ("MD5", "CRC32", "SHA1", "SHA256", "SHA512"), in any of the
// encodings tables are written in. Their CRC32 is CRC-32/BZIP2.
#include "verify/manifest.h"

#include <QByteArrayView>
#include <optional>

// Nothing when the bytes are no such table. Rows whose checksum cells hold no digest (switched
// off, too large, unreadable when listed) are counted, not checked; a table whose paths are
// shortened is unusable.
std::optional<Manifest> readTableManifest(QByteArrayView bytes);
