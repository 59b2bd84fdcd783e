#pragma once
// Checksum files of md5sum, sha1sum, sha256sum and sha512sum: "HEX  NAME", "HEX *NAME" (read
// in binary mode, which changes nothing here) and the tags of their --tag option,
// "SHA256 (NAME) = HEX", read as coreutils reads them.
#include "verify/manifest.h"

#include <QByteArrayView>

// Every line: `#` lines and empty lines are skipped, the others are entries or bad lines. A line
// that starts with "\" holds its name escaped ("\\", "\n", "\r"). The kind of a plain line
// follows from the length of its digest. The format is that of the first entry.
Manifest readChecksumLines(QByteArrayView bytes);
