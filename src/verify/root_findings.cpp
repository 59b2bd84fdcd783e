#include "verify/root_findings.h"

#include "collect/folder_walk.h"
#include "collect/ordered_workers.h"
#include "collect/system_path.h"
#include "verify/manifest_writing.h"

#include <QDir>
#include <QSet>
#include <algorithm>
#include <cerrno>

namespace {

struct FoundFile {
    QByteArray path;
    qint64 size = -1;
    ChecksumResults digests;
};

bool isMissing(const FileCheck &check)
{
    return check.outcome == FileCheck::Outcome::Unreadable && check.error == ENOENT;
}

// The digests of the kinds wanted, for every file, on all cores.
QList<FoundFile> digested(const QList<QByteArray> &paths, ChecksumKinds wanted)
{
    QList<FoundFile> files(paths.size());
    FoundFile *const out = files.data(); // each worker writes its own slots
    runOnAllCores(int(paths.size()), 16, [&](int begin, int end, int) {
        NearFolder near;
        for (int i = begin; i < end; ++i) {
            out[i].path = paths[i];
            FileDescriptor file;
            const OpenedFile opened = openForDigests(paths[i], near, file);
            if (!opened.regular)
                continue;
            out[i].size = opened.size;
            out[i].digests = openedFileChecksums(file.get(), opened.size, wanted);
        }
    });
    return files;
}

bool sameFile(const ManifestEntry &entry, const FoundFile &file)
{
    if (file.size < 0 || (entry.size && *entry.size != file.size))
        return false;
    return std::all_of(entry.digests.begin(), entry.digests.end(), [&](const ExpectedDigest &digest) {
        const std::optional<QString> &found = file.digests[int(digest.kind)];
        return found && found->toLatin1() == digest.hex;
    });
}

} // namespace

QByteArray cleanedPath(const QByteArray &path)
{
    return encodedPath(QDir::cleanPath(QDir::current().absoluteFilePath(argumentPath(path))));
}

RootFindings findNewAndMoved(const QList<ManifestEntry> &entries, const QList<FileCheck> &checks,
                             const QByteArray &root, const QByteArray &manifestPath)
{
    QSet<QByteArray> listed{cleanedPath(manifestPath)};
    ChecksumKinds wanted;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        listed.insert(cleanedPath(entryPath(entries[i], root)));
        if (isMissing(checks[i]))
            for (const ExpectedDigest &digest : entries[i].digests)
                wanted.set(int(digest.kind));
    }
    QList<QByteArray> unlisted;
    for (const QByteArray &path : walkFolderFiles(argumentPath(root), {QStringLiteral(".*")}, true))
        if (const QByteArray cleaned = cleanedPath(path); !listed.contains(cleaned))
            unlisted.append(cleaned);
    std::sort(unlisted.begin(), unlisted.end());

    RootFindings findings;
    QList<bool> taken(unlisted.size(), false);
    if (wanted.any()) {
        const QList<FoundFile> files = digested(unlisted, wanted);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!isMissing(checks[i]))
                continue;
            for (qsizetype f = 0; f < files.size(); ++f)
                if (!taken[f] && sameFile(entries[i], files[f])) {
                    taken[f] = true;
                    findings.movedTo.insert(i, nameBelow(files[f].path, cleanedPath(root)));
                    break;
                }
        }
    }
    for (qsizetype f = 0; f < unlisted.size(); ++f)
        if (!taken[f])
            findings.newNames.append(nameBelow(unlisted[f], cleanedPath(root)));
    return findings;
}
