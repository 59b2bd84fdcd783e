#pragma once
// Path helpers for "/" paths. There is no drive part on this platform.
#include <QString>

// Folder part including the last "/" ("/a/b/" for "/a/b/c.txt"); empty when there is no "/".
QString folderPart(const QString &path);
// Name part after the last "/".
QString namePart(const QString &path);
// Extension: the text from the last "." of the name part, the dot included; empty without one.
QString extensionOf(const QString &path);
// Extension in upper case with every "." removed: the format cell of a file row ("TXT").
QString formatOfExtension(const QString &path);
// The folder of the running program.
QString programFolder();
