#pragma once
// Configuration documents on disk.
#include "config/ini_document.h"

#include <QString>

// The document of the file at the path; an empty document when there is no file. A file that
// is there but cannot be read (a folder, no permission) throws TabulixError with the reason.
IniDocument readIniFile(const QString &path);

// Creates the missing folders of the path, then writes the whole document through the safe
// writer, so a failed save leaves the old file byte for byte. Throws TabulixError:
// "Cannot create file "PATH". REASON" for a new file, "Unable to write to PATH REASON" otherwise.
void writeIniFile(const QString &path, const IniDocument &document);
