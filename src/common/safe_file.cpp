#include "common/safe_file.h"

#include "common/tabulix_error.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A system call failed for the reason in `error`.
struct SystemFailure {
    int error;
};

void check(bool succeeded)
{
    if (!succeeded)
        throw SystemFailure{errno};
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) { check(descriptor >= 0); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    int get() const { return m_descriptor; }
    // Some file systems report a failed write only here. After EINTR the descriptor is closed
    // all the same, and the data was already synced.
    void close() { check(::close(std::exchange(m_descriptor, -1)) == 0 || errno == EINTR); }

private:
    int m_descriptor;
};

void writeAll(int descriptor, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0) {
            check(errno == EINTR);
            continue;
        }
        next += written;
        left -= written;
    }
}

// The path's folder with its final "/", or nothing for a bare name.
QByteArray folderOf(const QByteArray &path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

// Where a chain of symbolic links ends, whether that file exists or not.
QByteArray finalTarget(QByteArray path)
{
    // As many links as the kernel follows before it calls it a loop.
    for (int link = 0; link < 40; ++link) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path; // no link; any other trouble shows when the file is opened
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : folderOf(path) + next;
    }
    throw SystemFailure{ELOOP};
}

// Devices and FIFOs cannot be replaced; they take the bytes as a shell redirection gives them.
void writeThrough(const QByteArray &target, const QByteArray &bytes)
{
    Descriptor file(::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    writeAll(file.get(), bytes);
    file.close();
}

// Writing over the file itself is the only way to keep its other names, or to write it at all
// when its folder is read-only. Space is claimed first where the file system allows, so a full
// disk fails before any old byte changes; a later failure can still leave the file cut.
void writeInPlace(const QByteArray &target, const QByteArray &bytes)
{
    Descriptor file(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (!bytes.isEmpty()) {
        const int claimed = ::posix_fallocate(file.get(), 0, bytes.size());
        if (claimed != 0 && claimed != EOPNOTSUPP && claimed != EINVAL)
            throw SystemFailure{claimed};
    }
    writeAll(file.get(), bytes);
    check(::ftruncate(file.get(), bytes.size()) == 0);
    check(::fsync(file.get()) == 0);
    file.close();
}

// A new file beside the target, under a name nobody uses; created with 0666 so that a new
// target gets the permissions the user's umask gives.
int createTemporary(const QByteArray &folder, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + ".tabulix-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

void keepModeAndOwner(int descriptor, const struct stat &old)
{
    // The owner first, since a change of owner clears the set-ID bits. Only root may give the
    // file to someone else; everyone else's replacement becomes their own.
    check(::fchown(descriptor, old.st_uid, old.st_gid) == 0 || errno == EPERM);
    check(::fchmod(descriptor, old.st_mode & 07777) == 0);
}

// Writes a temporary file and renames it over the target. False, having written nothing, when
// the folder does not let an existing target be replaced.
bool replace(const QByteArray &target, const QByteArray &bytes, const struct stat *old)
{
    QByteArray temporary;
    const int descriptor = createTemporary(folderOf(target), temporary);
    if (descriptor < 0 && old && (errno == EACCES || errno == EPERM))
        return false;
    Descriptor file(descriptor);
    try {
        if (old)
            keepModeAndOwner(file.get(), *old);
        writeAll(file.get(), bytes);
        check(::fsync(file.get()) == 0);
        file.close();
        check(::rename(temporary.constData(), target.constData()) == 0);
    } catch (const SystemFailure &) {
        ::unlink(temporary.constData());
        throw;
    }
    return true;
}

void writeTarget(const QByteArray &target, const QByteArray &bytes)
{
    struct stat old {};
    if (::lstat(target.constData(), &old) != 0) {
        check(errno == ENOENT);
        replace(target, bytes, nullptr);
    } else if (!S_ISREG(old.st_mode)) {
        writeThrough(target, bytes);
    } else {
        check(::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) == 0);
        if (old.st_nlink > 1 || !replace(target, bytes, &old))
            writeInPlace(target, bytes);
    }
}

} // namespace

void writeFileSafely(const QString &path, const QByteArray &bytes, const QString &failure)
{
    try {
        writeTarget(finalTarget(QFile::encodeName(path)), bytes);
    } catch (const SystemFailure &failed) {
        throw TabulixError(failure + u' ' + QString::fromLocal8Bit(std::strerror(failed.error)));
    }
}
