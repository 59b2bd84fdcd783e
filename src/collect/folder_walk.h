#pragma once
// Walks a folder for the files whose names match extension patterns: files of subfolders
// first (depth first), then the folder's own files grouped by pattern in list order, a file
// matching two patterns listed twice. Each folder is listed once, its names sorted by the
// UTF-16 code units of their shown text, so every run gives the same order.
//
// Names are kept as the bytes the system gave, whatever their encoding, and every folder is
// read relative to its parent's descriptor: paths of any length are walked, and the walk
// holds a bounded number of descriptors however deep the tree is.
#include <QByteArray>
#include <QStringList>
#include <QVector>

#include <functional>

// A folder the walk could not list, with the errno value of the failure.
using UnreadableFolder = std::function<void(const QString &path, int error)>;

// Asked now and then while a walk runs; a walk that is told false ends at once.
using KeepWalking = std::function<bool()>;

// Takes each folder's files as soon as they are known, in the walk's order.
using FoundFiles = std::function<void(QVector<QByteArray> files)>;

// A pattern is "." plus an extension (".jpg" takes every name ending in .jpg in any letter
// case); ".*" takes every file. "*" and "?" inside a pattern work as wildcards. A folder that
// cannot be listed is passed to unreadable and the walk goes on. The paths are the system's
// bytes; the files' facts are left to the caller, who may read them on other threads.
void walkFolderFiles(const QString &folder, const QStringList &patterns, bool subfolders,
                     const FoundFiles &found, const UnreadableFolder &unreadable = {},
                     const KeepWalking &keepWalking = {});
// The same walk, giving all the files at its end.
QVector<QByteArray> walkFolderFiles(const QString &folder, const QStringList &patterns, bool subfolders,
                                    const UnreadableFolder &unreadable = {});
// The same walk, giving the shown paths only.
QStringList walkFolder(const QString &folder, const QStringList &patterns, bool subfolders,
                       const UnreadableFolder &unreadable = {});

// The subfolders of a folder as full paths, names sorted, without names beginning with "."
// and without links to folders.
QStringList listSubfolders(const QString &folder);

// Sum of the sizes of every file below the folder. Subfolders whose name begins with "." and
// links to folders are not entered, so a link loop cannot hang the walk. A folder below that
// cannot be read is passed to unreadable; it adds nothing to the sum.
qint64 folderTotalSize(const QString &folder, const UnreadableFolder &unreadable = {});
