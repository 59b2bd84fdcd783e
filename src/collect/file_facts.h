#pragma once
// The facts of one path as the list records them: times, size, flags, type and program.
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

// What one statx call and one access check tell about an entry.
struct EntryFacts {
    QDateTime created, accessed, changed; // UTC instants; invalid when unknown
    qint64 size = -1;                     // bytes; a folder's total; -1 when nothing is found
    bool readOnly = false;
    bool hidden = false;
    bool directory = false;
    bool regularFile = false;
};

struct PathFacts : EntryFacts {
    QString typeName;
    QString program;         // the default application as an absolute path
    QString programAsStated; // the same as the desktop entry states it
};

// The facts of the entry name in the folder of descriptor folderFd (AT_FDCWD for a name that is
// a path); a link counts as what it points to. 0, or the errno value when they cannot be read.
int readEntryFacts(int folderFd, const char *name, EntryFacts &facts);
// The same for that entry opened as fd: its facts come from the open file.
int readOpenedFacts(int fd, int folderFd, const char *name, EntryFacts &facts);
// The same for a path of any length.
int readPathFacts(const QByteArray &path, EntryFacts &facts);

// The type description and default program of a path whose entry facts are known.
PathFacts withTypeFacts(const QString &path, const EntryFacts &facts);

// Folder variant: the folder's own times and flags with the total size below it; a folder
// below that cannot be read is passed to unreadable (path, errno value).
PathFacts gatherFolderFacts(const QString &folder,
                            const std::function<void(const QString &, int)> &unreadable = {});

// Whether the path names a folder (links to folders included) / anything at all.
bool isFolder(const QString &path);
bool pathExists(const QString &path);
// Why the path cannot be reached (an errno value); 0 when it names something.
int accessError(const QString &path);
// Whether the path names something that is not a folder.
bool isNonFolder(const QString &path);
