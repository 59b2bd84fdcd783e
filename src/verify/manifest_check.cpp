#include "verify/manifest_check.h"

#include "collect/ordered_workers.h"
#include "collect/system_path.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FileCheck checkFile(const ManifestEntry &entry, const QByteArray &folder, const std::atomic<bool> *stop)
{
    ChecksumKinds wanted;
    for (const ExpectedDigest &digest : entry.digests)
        wanted.set(int(digest.kind));
    // Non-blocking, so that a named pipe cannot stall the open; only regular files are read.
    const FileDescriptor file(openPath(entryPath(entry, folder), O_RDONLY | O_NONBLOCK));
    if (file.get() < 0)
        return {FileCheck::Outcome::Unreadable, errno};
    struct stat info;
    if (::fstat(file.get(), &info) != 0)
        return {FileCheck::Outcome::Unreadable, errno};
    if (S_ISDIR(info.st_mode))
        return {FileCheck::Outcome::Unreadable, EISDIR};
    if (!S_ISREG(info.st_mode))
        return {FileCheck::Outcome::Unreadable, 0};
    if (entry.size && *entry.size != info.st_size)
        return {FileCheck::Outcome::Failed, 0};
    const ChecksumResults results = openedFileChecksums(file.get(), info.st_size, wanted, stop);
    for (const ExpectedDigest &digest : entry.digests) {
        const std::optional<QString> &found = results[int(digest.kind)];
        // Only a file that could not be read to its end has no digest.
        if (!found)
            return {FileCheck::Outcome::Unreadable, EIO};
        if (found->toLatin1() != digest.hex)
            return {FileCheck::Outcome::Failed, 0};
    }
    return {FileCheck::Outcome::Ok, 0};
}

} // namespace

QByteArray entryPath(const ManifestEntry &entry, const QByteArray &folder)
{
    return entry.name.startsWith('/') ? entry.name : folder + '/' + entry.name;
}

QList<FileCheck> checkFiles(const QList<ManifestEntry> &entries, const QByteArray &folder,
                            const std::atomic<bool> *stop)
{
    QList<FileCheck> checks(entries.size());
    FileCheck *const out = checks.data(); // the workers write their own slots, never the list
    runOnAllCores(int(entries.size()), 64, [&](int begin, int end, int) {
        for (int i = begin; i < end; ++i)
            out[i] = checkFile(entries[i], folder, stop);
    });
    return checks;
}
