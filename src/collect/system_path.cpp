#include "collect/system_path.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens the folders of a long path step by step, each step shorter than the limit, until the
// rest fits into one call. Returns the rest; folder holds the descriptor it is relative to.
// An empty rest with errno set means a step failed.
QByteArray reachNearFolder(const QByteArray &path, FileDescriptor &folder)
{
    QByteArray rest = path;
    while (rest.size() >= PATH_MAX) {
        // The last "/" within the limit ends the next step.
        const qsizetype cut = rest.lastIndexOf('/', PATH_MAX - 2);
        if (cut <= 0) {
            errno = ENAMETOOLONG; // one name longer than the limit cannot exist
            return {};
        }
        const QByteArray step = rest.left(cut);
        const int next = ::openat(folder.get(), step.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (next < 0)
            return {};
        folder.reset(next);
        rest = rest.mid(cut + 1);
    }
    return rest;
}

} // namespace

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

QString shownPath(const QByteArray &systemPath)
{
    return QString::fromUtf8(systemPath);
}

QByteArray encodedPath(const QString &path)
{
    return QFile::encodeName(path);
}

int openPath(const QByteArray &path, int flags)
{
    FileDescriptor folder(AT_FDCWD);
    const QByteArray rest = reachNearFolder(path, folder);
    if (rest.isEmpty() && !path.isEmpty())
        return -1;
    int fd;
    do
        fd = ::openat(folder.get(), rest.constData(), flags | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int statxPath(const QByteArray &path, int flags, unsigned mask, struct statx *facts)
{
    FileDescriptor folder(AT_FDCWD);
    const QByteArray rest = reachNearFolder(path, folder);
    if (rest.isEmpty() && !path.isEmpty())
        return -1;
    return ::statx(folder.get(), rest.constData(), flags, mask, facts);
}

NearFolder::~NearFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int NearFolder::folderOf(const QByteArray &path, const char *&name)
{
    const qsizetype slash = path.lastIndexOf('/');
    name = path.constData() + slash + 1;
    const QByteArray folder = slash < 0    ? QByteArrayLiteral(".")
                              : slash == 0 ? QByteArrayLiteral("/")
                                           : path.left(slash);
    if (m_fd >= 0 && folder == m_folder)
        return m_fd;
    if (m_fd >= 0)
        ::close(m_fd);
    m_folder = folder;
    m_fd = openPath(folder, O_PATH | O_DIRECTORY);
    return m_fd;
}
