#include "collect/file_facts.h"

#include "collect/file_types.h"
#include "common/paths.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QDateTime instant(const statx_timestamp &stamp)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(stamp.tv_sec) * 1000 + stamp.tv_nsec / 1000000, Qt::UTC);
}

// Times, flags and the own size of the entry; false when nothing is there.
bool readEntry(const QString &path, PathFacts &info)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct statx facts {};
    const unsigned wanted = STATX_TYPE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
    if (statx(AT_FDCWD, encoded.constData(), 0, wanted, &facts) != 0)
        return false;
    // Without a recorded birth time the creation time is unknown; no other time stands in.
    if (facts.stx_mask & STATX_BTIME)
        info.created = instant(facts.stx_btime);
    info.accessed = instant(facts.stx_atime);
    info.changed = instant(facts.stx_mtime);
    info.size = qint64(facts.stx_size);
    info.directory = S_ISDIR(facts.stx_mode);
    info.readOnly = access(encoded.constData(), W_OK) != 0;
    info.hidden = namePart(path).startsWith(u'.');
    return true;
}

qint64 totalBelow(int folderFd)
{
    DIR *listing = fdopendir(folderFd);
    if (!listing) {
        close(folderFd);
        return 0;
    }
    qint64 total = 0;
    while (const dirent *entry = readdir(listing)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        struct stat own {};
        if (fstatat(dirfd(listing), name, &own, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(own.st_mode)) {
            if (name[0] == '.')
                continue;
            const int child = openat(dirfd(listing), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                total += totalBelow(child);
        } else if (S_ISLNK(own.st_mode)) {
            struct stat target {};
            if (fstatat(dirfd(listing), name, &target, 0) == 0 && !S_ISDIR(target.st_mode))
                total += target.st_size;
        } else {
            total += own.st_size;
        }
    }
    closedir(listing);
    return total;
}

void addTypeFacts(const QString &path, bool folder, PathFacts &info)
{
    const FileTypeFacts &type = fileTypeFacts(contentTypeOfName(namePart(path), folder));
    info.typeName = type.description;
    if (!folder) {
        info.program = type.programPath;
        info.programAsStated = type.programAsStated;
    }
}

} // namespace

PathFacts gatherFileFacts(const QString &path)
{
    PathFacts info;
    readEntry(path, info);
    addTypeFacts(path, info.directory, info);
    return info;
}

PathFacts gatherFolderFacts(const QString &folder)
{
    PathFacts info;
    if (readEntry(folder, info))
        info.size = folderTotalSize(folder);
    addTypeFacts(folder, true, info);
    return info;
}

qint64 folderTotalSize(const QString &folder)
{
    const int fd = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? 0 : totalBelow(fd);
}

bool isFolder(const QString &path)
{
    struct stat facts {};
    return stat(QFile::encodeName(path).constData(), &facts) == 0 && S_ISDIR(facts.st_mode);
}

bool pathExists(const QString &path)
{
    return accessError(path) == 0;
}

int accessError(const QString &path)
{
    struct stat facts {};
    return stat(QFile::encodeName(path).constData(), &facts) == 0 ? 0 : errno;
}

bool isNonFolder(const QString &path)
{
    struct stat facts {};
    return stat(QFile::encodeName(path).constData(), &facts) == 0 && !S_ISDIR(facts.st_mode);
}
