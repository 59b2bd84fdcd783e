#include "verify/read_manifest.h"

#include "verify/checksum_lines.h"
#include "verify/hashdeep_lines.h"
#include "verify/sfv_lines.h"
#include "verify/table_manifest.h"

Manifest readManifest(QByteArrayView bytes)
{
    if (looksLikeHashdeep(bytes))
        return readHashdeepLines(bytes);
    if (std::optional<Manifest> table = readTableManifest(bytes))
        return std::move(*table);
    Manifest lines = readChecksumLines(bytes);
    if (lines.badLines.isEmpty())
        return lines;
    Manifest sfv = readSfvLines(bytes);
    return sfv.entries.size() > lines.entries.size() ? sfv : lines;
}
