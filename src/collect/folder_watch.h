#pragma once
// Recursive watch of one folder tree: reports created, deleted, renamed and changed items
// below the folder as shell notifications, on the thread that owns the watch.
#include "collect/watch_tree.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

class QSocketNotifier;
struct inotify_event;

// Event codes as the notifications carry them.
enum class WatchEvent {
    RenameItem = 0x1,
    Create = 0x2,
    Delete = 0x4,
    Attributes = 0x800,
    UpdateItem = 0x2000
};

class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QObject *parent = nullptr);
    ~FolderWatch() override;

    // Deactivates first, then watches folder and every folder below it. False (and inactive)
    // when the folder is missing, is no folder or cannot be watched.
    bool activate(const QString &folder);
    void deactivate();
    bool isActive() const { return m_fd >= 0; }
    // The watched folder as an absolute path; empty while inactive.
    QString folder() const { return m_folder; }

Q_SIGNALS:
    // RenameItem carries old and new path; the others carry the item's path and an empty
    // second path.
    void notified(WatchEvent event, const QString &path1, const QString &path2);

private:
    // A notification waiting for its turn; a file moved away waits for its partner event.
    struct Notification {
        WatchEvent event;
        QByteArray path1;
        QByteArray path2;
        quint32 cookie = 0;
        bool waiting = false;
    };
    struct PendingMove {
        quint32 cookie;
        QByteArray path;
        bool isFolder;
        QDeadlineTimer expiry;
    };

    void readEvents();
    void graceOver();
    void drain();
    void finishBatch();
    void handle(const inotify_event &event);
    void addFolder(const QByteArray &path);
    void movedFrom(quint32 cookie, const QByteArray &path, bool isFolder);
    void movedTo(quint32 cookie, const QByteArray &path, bool isFolder);
    void settle(quint32 cookie, WatchEvent event, const QByteArray &path2);
    void dropMovedFolder(const QByteArray &path);
    bool insideMovedFolder(const QByteArray &path) const;
    void queue(WatchEvent event, const QByteArray &path);
    void flush();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_graceTimer;
    WatchTree m_tree;
    QString m_folder;
    QByteArray m_root;
    QList<Notification> m_queue;
    QList<PendingMove> m_moves;
    // Files a folder scan reported whose own create event may still be on its way.
    QSet<QByteArray> m_scanned;
    // The preceding notification, for repeat suppression.
    bool m_hasLast = false;
    Notification m_last;
};
