#pragma once
// Walks a folder for the files whose names match extension patterns: files of subfolders
// first (depth first), then the folder's own files grouped by pattern in list order, a file
// matching two patterns listed twice. Each folder is listed once, its names sorted by their
// UTF-16 code units, so every run gives the same order.
#include <QStringList>

// A pattern is "." plus an extension (".jpg" takes every name ending in .jpg in any letter
// case); ".*" takes every file. "*" and "?" inside a pattern work as wildcards.
QStringList walkFolder(const QString &folder, const QStringList &patterns, bool subfolders);

// The subfolders of a folder as full paths, names sorted, without names beginning with "."
// and without links to folders.
QStringList listSubfolders(const QString &folder);
