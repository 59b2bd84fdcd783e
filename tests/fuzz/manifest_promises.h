#pragma once
// What every reader of checksum files promises for any bytes: entries and bad lines in the order
// of their lines, never more than the bytes have lines, digests in lower case of their kind's
// length, names without NUL.
#include "fuzz_support.h"
#include "verify/manifest.h"

inline void checkManifestPromises(const QByteArray &bytes, const Manifest &manifest)
{
    // A lone CR ends a table's record too.
    const qsizetype lines = bytes.count('\n') + bytes.count('\r') + 1;
    check(manifest.entries.size() + manifest.badLines.size() <= lines, "at most one result per line");
    qsizetype previous = 0;
    for (const ManifestEntry &entry : manifest.entries) {
        check(entry.line > previous && entry.line <= lines, "entries in the order of their lines");
        previous = entry.line;
        check(!entry.name.contains('\0'), "names hold no NUL");
        check(!entry.digests.isEmpty(), "every entry has a digest");
        for (const ExpectedDigest &digest : entry.digests)
            check(digest.hex.size() == hexLength(digest.kind) && digest.hex == digest.hex.toLower(),
                  "digests are lower-case hexadecimal of their kind's length");
    }
    for (qsizetype i = 1; i < manifest.badLines.size(); ++i)
        check(manifest.badLines[i - 1] < manifest.badLines[i], "bad lines in order");
}
