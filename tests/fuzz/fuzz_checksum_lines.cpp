// The reader of coreutils checksum lines and their tags on any bytes keeps the promises of every manifest reader.
#include "manifest_promises.h"
#include "verify/checksum_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    checkManifestPromises(bytes, readChecksumLines(bytes));
    return 0;
}
