#include "verify/manifest_check.h"

#include "collect/ordered_workers.h"
#include "collect/system_path.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

FileCheck checkFile(const ManifestEntry &entry, const QByteArray &folder, NearFolder &near,
                    const std::atomic<bool> *stop)
{
    ChecksumKinds wanted;
    for (const ExpectedDigest &digest : entry.digests)
        wanted.set(int(digest.kind));
    FileDescriptor file;
    const OpenedFile opened = openForDigests(entryPath(entry, folder), near, file);
    if (!opened.regular)
        return {FileCheck::Outcome::Unreadable, opened.error, {}, std::nullopt};
    if (entry.size && *entry.size != opened.size)
        return {FileCheck::Outcome::Failed, 0, {}, opened.size};
    const ChecksumResults results = openedFileChecksums(file.get(), opened.size, wanted, stop);
    FileCheck check{FileCheck::Outcome::Ok, 0, {}, opened.size};
    for (const ExpectedDigest &digest : entry.digests) {
        const std::optional<QString> &found = results[int(digest.kind)];
        // Only a file that could not be read to its end has no digest.
        if (!found)
            return {FileCheck::Outcome::Unreadable, EIO, {}, opened.size};
        check.found.append(found->toLatin1());
        if (check.found.last() != digest.hex)
            check.outcome = FileCheck::Outcome::Failed;
    }
    return check;
}

} // namespace

OpenedFile openForDigests(const QByteArray &path, NearFolder &near, FileDescriptor &file)
{
    const char *name = nullptr;
    const int folder = near.folderOf(path, name);
    // Non-blocking, so that a named pipe cannot stall the open.
    file.reset(folder < 0 ? -1 : openAt(folder, name, O_RDONLY | O_NONBLOCK));
    struct stat info;
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0)
        return {false, errno, 0};
    if (S_ISDIR(info.st_mode))
        return {false, EISDIR, 0};
    if (!S_ISREG(info.st_mode))
        return {false, 0, 0};
    return {true, 0, info.st_size};
}

QByteArray entryPath(const ManifestEntry &entry, const QByteArray &folder)
{
    return entry.name.startsWith('/') ? entry.name : folder + '/' + entry.name;
}

QList<FileCheck> checkFiles(const QList<ManifestEntry> &entries, const QByteArray &folder,
                            const CheckProgress &progress, const std::atomic<bool> *stop)
{
    QList<FileCheck> checks(entries.size());
    FileCheck *const out = checks.data(); // the workers write their own slots, never the list
    const int count = int(entries.size());
    OrderedWorkers workers(count, 64, [&](int begin, int end, int) {
        NearFolder near;
        for (int i = begin; i < end; ++i)
            out[i] = checkFile(entries[i], folder, near, stop);
    });
    for (int done = 0; done < count;) {
        done = std::max(done, workers.waitForChunk(done, std::chrono::milliseconds(250)));
        if (progress)
            progress(done);
    }
    return checks;
}
