#pragma once
// Reading, writing and deleting the files of the desktop entries, and the desktop's own tools
// that index them.
#include <QString>
#include <QStringList>

// The file's text as UTF-8; empty when it is missing or unreadable.
QString readEntryFile(const QString &path);
// The text of a file of the user's that is about to be edited; empty when it is missing. Throws
// TabulixError when it cannot be read or is not UTF-8, so that no line of the user's is lost.
QString readEditedFile(const QString &path);
// Writes the text through the safe writer, making the folders on the way; `executable` lets
// the user run it, as scripts and service menus need. Throws TabulixError with the reason.
void writeEntryFile(const QString &path, const QString &text, bool executable = false);
// Deletes the file when it exists; throws TabulixError when it cannot be deleted.
void removeEntryFile(const QString &path);
// Deletes the file as removeEntryFile does, then the folders on its way that are left empty, up
// to but not into one of the kept folders (the user's data and configuration folders).
void removeEntryFileWithFolders(const QString &path, const QStringList &keptFolders);
// Runs a tool of the desktop (update-mime-database, ...) with the arguments when it is
// installed, and waits for it; its outcome changes nothing here.
void runDesktopTool(const QString &tool, const QStringList &arguments);
