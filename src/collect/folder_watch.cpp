#include "collect/folder_watch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// How long a moved-away item waits for the event that names its new place. Both events of a
// rename are queued together, but one read may end between them.
constexpr int graceMs = 75;

} // namespace

FolderWatch::FolderWatch(QObject *parent) : QObject(parent)
{
    m_graceTimer.setSingleShot(true);
    m_graceTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_graceTimer, &QTimer::timeout, this, &FolderWatch::graceOver);
}

FolderWatch::~FolderWatch()
{
    deactivate();
}

bool FolderWatch::activate(const QString &folder)
{
    deactivate();
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0)
        return false;
    m_folder = QDir::cleanPath(info.absoluteFilePath());
    m_root = QFile::encodeName(m_folder);
    m_tree.setDescriptor(m_fd);
    // The chosen folder may itself be a link; only the folders below it are never followed.
    m_tree.add(m_root, true);
    if (m_tree.isEmpty()) {
        deactivate();
        return false;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatch::readEvents);
    return true;
}

void FolderWatch::deactivate()
{
    if (m_notifier) {
        // This may run inside the notifier's own signal.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    m_tree.setDescriptor(-1);
    m_graceTimer.stop();
    m_folder.clear();
    m_root.clear();
    m_queue.clear();
    m_moves.clear();
    m_scanned.clear();
    m_hasLast = false;
}

void FolderWatch::readEvents()
{
    drain();
    finishBatch();
}

void FolderWatch::graceOver()
{
    drain(); // a partner still in the kernel's queue pairs up first
    while (!m_moves.isEmpty() && m_moves.first().expiry.hasExpired()) {
        const PendingMove move = m_moves.takeFirst();
        if (move.isFolder)
            m_tree.drop(move.path);
        else
            settle(move.cookie, WatchEvent::Delete, {});
    }
    finishBatch();
}

void FolderWatch::drain()
{
    alignas(inotify_event) char buffer[32 * 1024];
    for (;;) {
        const ssize_t size = read(m_fd, buffer, sizeof buffer);
        if (size < 0 && errno == EINTR)
            continue;
        if (size <= 0)
            return;
        for (ssize_t at = 0; at < size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            handle(*event);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
}

void FolderWatch::finishBatch()
{
    // The kernel's queue is empty now, so every create event a scan anticipated has come.
    m_scanned.clear();
    flush();
    if (!m_moves.isEmpty() && !m_graceTimer.isActive())
        m_graceTimer.start(int(std::max<qint64>(0, m_moves.first().expiry.remainingTime())));
}

void FolderWatch::handle(const inotify_event &event)
{
    if (event.mask & (IN_IGNORED | IN_DELETE_SELF)) {
        m_tree.forget(event.wd);
        return;
    }
    // Unknown watches include the queue overflow (wd -1), which is of no use here.
    const QByteArray dir = m_tree.path(event.wd);
    if (dir.isEmpty() || insideMovedFolder(dir))
        return;
    if (event.len == 0) {
        // A folder's own attributes; below the root the parent's event reports them.
        if ((event.mask & IN_ATTRIB) && dir == m_root)
            queue(WatchEvent::Attributes, dir);
        return;
    }
    const QByteArray path = joinPath(dir, event.name);
    const bool isFolder = event.mask & IN_ISDIR;
    const bool scanned = m_scanned.remove(path);
    if (isFolder && (event.mask & (IN_CREATE | IN_MOVED_TO)))
        dropMovedFolder(path);
    if (event.mask & IN_CREATE) {
        if (isFolder)
            addFolder(path);
        else if (!scanned)
            queue(WatchEvent::Create, path);
    } else if (event.mask & IN_DELETE) {
        if (isFolder)
            m_tree.drop(path);
        else
            queue(WatchEvent::Delete, path);
    } else if (event.mask & IN_CLOSE_WRITE) {
        queue(WatchEvent::UpdateItem, path);
    } else if (event.mask & IN_ATTRIB) {
        queue(WatchEvent::Attributes, path);
    } else if (event.mask & IN_MOVED_FROM) {
        movedFrom(event.cookie, path, isFolder);
    } else if (event.mask & IN_MOVED_TO) {
        movedTo(event.cookie, path, isFolder);
    }
}

void FolderWatch::addFolder(const QByteArray &path)
{
    // Files made before the new folder's watch existed raise no event of their own.
    QList<QByteArray> files;
    m_tree.add(path, false, &files);
    for (const QByteArray &file : files) {
        queue(WatchEvent::Create, file);
        m_scanned.insert(file);
    }
}

void FolderWatch::movedFrom(quint32 cookie, const QByteArray &path, bool isFolder)
{
    m_moves.append({cookie, path, isFolder, QDeadlineTimer(graceMs)});
    if (!isFolder)
        m_queue.append({WatchEvent::Delete, path, {}, cookie, true});
}

void FolderWatch::movedTo(quint32 cookie, const QByteArray &path, bool isFolder)
{
    const auto move = std::find_if(m_moves.begin(), m_moves.end(),
                                   [cookie](const PendingMove &pending) { return pending.cookie == cookie; });
    if (move == m_moves.end()) {
        // Moved in from outside the tree.
        if (isFolder)
            m_tree.add(path, false);
        else
            queue(WatchEvent::Create, path);
        return;
    }
    const QByteArray from = move->path;
    m_moves.erase(move);
    if (isFolder)
        m_tree.rename(from, path);
    else
        settle(cookie, WatchEvent::RenameItem, path);
}

void FolderWatch::settle(quint32 cookie, WatchEvent event, const QByteArray &path2)
{
    for (Notification &waiting : m_queue) {
        if (waiting.waiting && waiting.cookie == cookie) {
            waiting.event = event;
            waiting.path2 = path2;
            waiting.waiting = false;
            return;
        }
    }
}

void FolderWatch::dropMovedFolder(const QByteArray &path)
{
    // A new folder in the place of one moved away: that one has left the tree, and its watches
    // must go before the new folder's path is taken.
    const auto move = std::find_if(m_moves.begin(), m_moves.end(), [&path](const PendingMove &pending) {
        return pending.isFolder && pending.path == path;
    });
    if (move == m_moves.end())
        return;
    m_tree.drop(path);
    m_moves.erase(move);
}

bool FolderWatch::insideMovedFolder(const QByteArray &path) const
{
    // Until its new place is known, what happens inside a moved folder has no valid path.
    return std::any_of(m_moves.begin(), m_moves.end(), [&path](const PendingMove &move) {
        return move.isFolder && path.startsWith(move.path) &&
               (path.size() == move.path.size() || path.at(move.path.size()) == '/');
    });
}

void FolderWatch::queue(WatchEvent event, const QByteArray &path)
{
    m_queue.append({event, path, {}});
}

void FolderWatch::flush()
{
    // Notifications leave in the order of their events; a moved-away file holds back the
    // ones behind it until it is known to be a rename or a delete.
    while (!m_queue.isEmpty() && !m_queue.first().waiting) {
        const Notification next = m_queue.takeFirst();
        const bool repeat = m_hasLast && next.event == m_last.event && next.path1 == m_last.path1 &&
                            next.path2 == m_last.path2;
        m_hasLast = true;
        m_last = next;
        if (!repeat)
            Q_EMIT notified(next.event, QFile::decodeName(next.path1), QFile::decodeName(next.path2));
    }
}
