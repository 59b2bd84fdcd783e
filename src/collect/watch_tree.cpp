#include "collect/watch_tree.h"

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr uint32_t folderEvents = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM |
                                  IN_MOVED_TO | IN_DELETE_SELF | IN_EXCL_UNLINK | IN_ONLYDIR;

bool isBelow(const QByteArray &path, const QByteArray &folder)
{
    return path.size() > folder.size() && path.startsWith(folder) &&
           (path.at(folder.size()) == '/' || folder.endsWith('/'));
}

bool isFolder(int dirFd, const dirent &entry)
{
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type == DT_DIR;
    struct stat info;
    return fstatat(dirFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

QByteArray joinPath(const QByteArray &folder, const char *name)
{
    QByteArray path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + name;
}

void WatchTree::setDescriptor(int fd)
{
    m_fd = fd;
    m_paths.clear();
}

void WatchTree::add(const QByteArray &folder, bool followLink, QList<QByteArray> *files)
{
    QList<QByteArray> todo{folder};
    bool followNext = followLink;
    while (!todo.isEmpty()) {
        const QByteArray dir = todo.takeLast();
        const bool follow = std::exchange(followNext, false);
        // Watch before listing, so that nothing made in between goes unseen.
        const int wd = inotify_add_watch(m_fd, dir.constData(), folderEvents | (follow ? 0 : IN_DONT_FOLLOW));
        // A known watch means this folder was reached before (a bind mount, a race with its
        // create event): it is listed already.
        if (wd < 0 || m_paths.contains(wd))
            continue;
        m_paths.insert(wd, dir);
        const int dirFd =
            open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
        DIR *stream = dirFd < 0 ? nullptr : fdopendir(dirFd);
        if (!stream) {
            if (dirFd >= 0)
                close(dirFd);
            continue;
        }
        while (const dirent *entry = readdir(stream)) {
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
                continue;
            if (isFolder(dirFd, *entry))
                todo.append(joinPath(dir, entry->d_name));
            else if (files)
                files->append(joinPath(dir, entry->d_name));
        }
        closedir(stream);
    }
}

void WatchTree::drop(const QByteArray &folder)
{
    for (auto it = m_paths.begin(); it != m_paths.end();) {
        if (it.value() == folder || isBelow(it.value(), folder)) {
            inotify_rm_watch(m_fd, it.key());
            it = m_paths.erase(it);
        } else {
            ++it;
        }
    }
}

void WatchTree::rename(const QByteArray &from, const QByteArray &to)
{
    drop(to); // a folder the move replaced
    for (QByteArray &path : m_paths) {
        if (path == from || isBelow(path, from))
            path = to + path.mid(from.size());
    }
}
