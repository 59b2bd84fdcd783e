#pragma once
// Walks a folder for the files whose names match extension patterns: files of subfolders
// first (depth first), then the folder's own files grouped by pattern in list order, a file
// matching two patterns listed twice. Each folder is listed once, its names sorted by their
// UTF-16 code units, so every run gives the same order.
#include <QStringList>

#include <functional>

// A folder the walk could not list, with the errno value of the failure.
using UnreadableFolder = std::function<void(const QString &folder, int error)>;

// A pattern is "." plus an extension (".jpg" takes every name ending in .jpg in any letter
// case); ".*" takes every file. "*" and "?" inside a pattern work as wildcards. A folder that
// cannot be listed is passed to unreadable and the walk goes on.
QStringList walkFolder(const QString &folder, const QStringList &patterns, bool subfolders,
                       const UnreadableFolder &unreadable = {});

// The subfolders of a folder as full paths, names sorted, without names beginning with "."
// and without links to folders.
QStringList listSubfolders(const QString &folder);
