// The reader of our CSV tables as checksum files on any bytes keeps the promises of every
// manifest reader.
#include "manifest_promises.h"
#include "verify/table_manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    if (const std::optional<Manifest> manifest = readTableManifest(bytes))
        checkManifestPromises(bytes, *manifest);
    return 0;
}
