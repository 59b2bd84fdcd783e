#include "collect/file_facts.h"

#include "collect/file_types.h"
#include "collect/folder_walk.h"
#include "collect/system_path.h"
#include "collect/write_access.h"
#include "common/paths.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QDateTime instant(const statx_timestamp &stamp)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(stamp.tv_sec) * 1000 + stamp.tv_nsec / 1000000, Qt::UTC);
}

bool startsHidden(const char *name)
{
    const char *last = std::strrchr(name, '/');
    return (last ? last[1] : name[0]) == '.';
}

constexpr unsigned FactsMask = STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME | WriteAccessMask;

void takeFacts(const struct statx &entry, const char *name, EntryFacts &facts)
{
    // Without a recorded birth time the creation time is unknown; no other time stands in.
    if (entry.stx_mask & STATX_BTIME)
        facts.created = instant(entry.stx_btime);
    facts.accessed = instant(entry.stx_atime);
    facts.changed = instant(entry.stx_mtime);
    facts.size = qint64(entry.stx_size);
    facts.directory = S_ISDIR(entry.stx_mode);
    facts.regularFile = S_ISREG(entry.stx_mode);
    facts.hidden = startsHidden(name);
}

} // namespace

int readEntryFacts(int folderFd, const char *name, EntryFacts &facts)
{
    struct statx entry {};
    if (::statx(folderFd, name, 0, FactsMask, &entry) != 0)
        return errno;
    takeFacts(entry, name, facts);
    facts.readOnly = !mayWrite(-1, folderFd, name, entry, currentWriteRules());
    return 0;
}

int readOpenedFacts(int fd, int folderFd, const char *name, EntryFacts &facts)
{
    struct statx entry {};
    if (::statx(fd, "", AT_EMPTY_PATH, FactsMask, &entry) != 0)
        return errno;
    takeFacts(entry, name, facts);
    facts.readOnly = !mayWrite(fd, folderFd, name, entry, currentWriteRules());
    return 0;
}

int readPathFacts(const QByteArray &path, EntryFacts &facts)
{
    if (path.size() < PATH_MAX)
        return readEntryFacts(AT_FDCWD, path.constData(), facts);
    const qsizetype slash = path.lastIndexOf('/');
    const int folder = openPath(path.left(slash), O_PATH | O_DIRECTORY);
    if (folder < 0)
        return errno;
    const int error = readEntryFacts(folder, path.constData() + slash + 1, facts);
    ::close(folder);
    return error;
}

PathFacts withTypeFacts(const QString &path, const EntryFacts &facts)
{
    PathFacts info;
    static_cast<EntryFacts &>(info) = facts;
    const FileTypeFacts &type = fileTypeFacts(contentTypeOfName(namePart(path), facts.directory));
    info.typeName = type.description;
    if (!facts.directory) {
        info.program = type.programPath;
        info.programAsStated = type.programAsStated;
    }
    return info;
}

PathFacts gatherFolderFacts(const QString &folder,
                            const std::function<void(const QString &, int)> &unreadable)
{
    EntryFacts facts;
    if (readPathFacts(encodedPath(folder), facts) == 0)
        facts.size = folderTotalSize(folder, unreadable);
    facts.directory = true;
    return withTypeFacts(folder, facts);
}

bool isFolder(const QString &path)
{
    struct stat facts {};
    return stat(encodedPath(path).constData(), &facts) == 0 && S_ISDIR(facts.st_mode);
}

bool pathExists(const QString &path)
{
    return accessError(path) == 0;
}

int accessError(const QString &path)
{
    struct stat facts {};
    return stat(encodedPath(path).constData(), &facts) == 0 ? 0 : errno;
}

bool isNonFolder(const QString &path)
{
    struct stat facts {};
    return stat(encodedPath(path).constData(), &facts) == 0 && !S_ISDIR(facts.st_mode);
}
