// The reader of SFV lines on any bytes keeps the promises of every manifest reader.
#include "manifest_promises.h"
#include "verify/sfv_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    checkManifestPromises(bytes, readSfvLines(bytes));
    return 0;
}
