#pragma once
// The facts of one path as the list records them: times, size, flags, type and program.
// Gathering never fails: a fact that cannot be read keeps its empty value.
#include <QDateTime>
#include <QString>

struct PathFacts {
    QDateTime created, accessed, changed; // UTC instants; invalid when unknown
    qint64 size = -1;                     // bytes; a folder's total; -1 when nothing is found
    bool readOnly = false;
    bool hidden = false;
    bool directory = false;
    QString typeName;
    QString program;         // the default application as an absolute path
    QString programAsStated; // the same as the desktop entry states it
};

// File variant: the path's own entry (a link to a file counts as that file).
PathFacts gatherFileFacts(const QString &path);
// Folder variant: the folder's own times and flags with the total size below it.
PathFacts gatherFolderFacts(const QString &folder);

// Sum of the sizes of every file below the folder. Subfolders whose name begins with "." and
// links to folders are not entered, so a link loop cannot hang the walk.
qint64 folderTotalSize(const QString &folder);

// Whether the path names a folder (links to folders included) / anything at all.
bool isFolder(const QString &path);
bool pathExists(const QString &path);
// Why the path cannot be reached (an errno value); 0 when it names something.
int accessError(const QString &path);
// Whether the path names something that is not a folder.
bool isNonFolder(const QString &path);
