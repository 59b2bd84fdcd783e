// The reader of hashdeep files on any bytes keeps the promises of every manifest reader.
#include "manifest_promises.h"
#include "verify/hashdeep_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    checkManifestPromises(bytes, readHashdeepLines(bytes));
    return 0;
}
