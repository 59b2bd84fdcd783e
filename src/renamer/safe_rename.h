#pragma once
// Renaming a file without ever replacing another: a file that appears at the new path between
// any check and the rename itself stays as it is.
#include <QString>

enum class RenameResult {
    Renamed,
    TargetExists, // something already has the new path
    Failed,
};

// renameat2 with RENAME_NOREPLACE; where the file system does not know the flag, a hard link
// under the new name and the removal of the old one.
RenameResult renameWithoutReplacing(const QString &from, const QString &to);

// The fallback on its own: link, then unlink. When the old name cannot be removed, the new
// link goes again, so the file keeps exactly one of its names.
RenameResult renameByLinking(const QString &from, const QString &to);

// Whether anything (a dangling link too) has the path.
bool pathTaken(const QString &path);
