#include "collect/system_path.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Keeps one descriptor open and closes it when the scope ends.
class Descriptor {
public:
    explicit Descriptor(int fd = AT_FDCWD) : m_fd(fd) {}
    ~Descriptor() { reset(AT_FDCWD); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// Opens the folders of a long path step by step, each step shorter than the limit, until the
// rest fits into one call. Returns the rest; folder holds the descriptor it is relative to.
// An empty rest with errno set means a step failed.
QByteArray reachNearFolder(const QByteArray &path, Descriptor &folder)
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
    Descriptor folder;
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
    Descriptor folder;
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
