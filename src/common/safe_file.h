#pragma once
// The one way the program writes a file, so that a failed write never costs the user a file.
#include <QByteArray>
#include <QString>

// Makes the bytes the content of the file at the path.
// - A regular file is replaced by a file written beside it and renamed over it, so a failure leaves
//   the old content byte for byte. It keeps its permission bits and, where allowed, owner and group.
// - A symbolic link stays a link: the file it finally points to is written.
// - A device or FIFO is written through, as a shell redirection would.
// - A file the user may not write is refused, although its folder might let it be replaced.
// - A file with more names (hard links), or in a folder the user may not write, is written in place.
// Throws TabulixError with the text `failure`, a space and the system's reason
// ("No space left on device", "Permission denied", ...).
void writeFileSafely(const QString &path, const QByteArray &bytes, const QString &failure);
