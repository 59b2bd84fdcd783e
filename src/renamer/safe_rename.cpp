#include "renamer/safe_rename.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RenameResult failure(int error)
{
    return error == EEXIST ? RenameResult::TargetExists : RenameResult::Failed;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

RenameResult renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return RenameResult::Renamed;
    const int error = errno;
    // The file system or the kernel does not know the flag; never a plain rename instead.
    if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP)
        return renameByLinking(from, to);
    return failure(error);
}

RenameResult renameByLinking(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    // linkat without AT_SYMLINK_FOLLOW takes a symbolic link itself, as a rename would.
    if (linkat(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), 0) != 0)
        return failure(errno);
    if (unlink(source.constData()) == 0)
        return RenameResult::Renamed;
    // Take the new link back only while the old name still holds the same file: should the old
    // name be gone, the new one is the file's last.
    struct stat oldName {
    }, newName{};
    if (lstat(source.constData(), &oldName) == 0 && lstat(target.constData(), &newName) == 0 &&
        sameFile(oldName, newName))
        unlink(target.constData());
    return RenameResult::Failed;
}

bool pathTaken(const QString &path)
{
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0;
}
