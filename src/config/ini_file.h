#pragma once
// Configuration documents on disk.
#include "config/ini_document.h"

#include <QString>

#include "common/tabulix_error.h"

// A file that cannot be read as a configuration; the message names the path, `reason` is the
// system's reason alone ("Permission denied", "Not a regular file", ...).
class UnreadableIniFile : public TabulixError {
public:
    UnreadableIniFile(const QString &path, const QString &reason);
    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_reason;
};

enum class MissingIniFile { ReadsEmpty, IsUnreadable };

// The document of the file at the path. No file there reads as an empty document, or throws
// UnreadableIniFile when the caller needs the file. A file that is there but cannot be read
// (a folder, no permission, a FIFO, more than 16 MiB) throws UnreadableIniFile.
IniDocument readIniFile(const QString &path, MissingIniFile missing = MissingIniFile::ReadsEmpty);

// Creates the missing folders of the path, then writes the whole document through the safe
// writer, so a failed save leaves the old file byte for byte. Throws TabulixError:
// "Cannot create file "PATH". REASON" for a new file, "Unable to write to PATH REASON" otherwise.
void writeIniFile(const QString &path, const IniDocument &document);
