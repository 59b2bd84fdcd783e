#pragma once
// The inotify watches of one folder tree: one watch per folder, each mapped to the folder's
// current path (native encoding, no trailing "/").
#include <QByteArray>
#include <QHash>
#include <QList>

// folder + "/" + name, without doubling the "/" of the file-system root.
QByteArray joinPath(const QByteArray &folder, const char *name);

class WatchTree {
public:
    // The inotify descriptor the watches belong to; closing it releases them all.
    void setDescriptor(int fd);
    bool isEmpty() const { return m_paths.isEmpty(); }
    // Path of the folder a watch descriptor stands for; empty when unknown.
    QByteArray path(int wd) const { return m_paths.value(wd); }

    // Watches folder and every real folder below it. Links to folders are neither watched nor
    // entered (the folder itself is followed when followLink is set), so a link loop ends the
    // walk. A folder that cannot be watched is skipped with everything below it. When files is
    // given, every entry below folder that is not a folder is appended to it.
    void add(const QByteArray &folder, bool followLink, QList<QByteArray> *files = nullptr);
    // Removes the watches of folder and of every folder below it.
    void drop(const QByteArray &folder);
    // A folder renamed inside the tree: its watches and those below it take the new path.
    void rename(const QByteArray &from, const QByteArray &to);
    // The kernel removed this watch (folder deleted, unmounted).
    void forget(int wd) { m_paths.remove(wd); }

private:
    int m_fd = -1;
    QHash<int, QByteArray> m_paths;
};
