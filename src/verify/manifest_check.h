#pragma once
// Checking the files a manifest names: each file read once for all the digests its entry holds,
// the files shared out over every core.
#include "verify/manifest.h"

#include <QByteArray>
#include <QList>
#include <atomic>
#include <functional>
#include <optional>

struct FileCheck {
    enum class Outcome { Ok, Failed, Unreadable };
    Outcome outcome = Outcome::Unreadable;
    // Why an unreadable file could not be read: an errno value, or 0 for a file that is no
    // regular file (a FIFO or a device is never read through).
    int error = 0;
    // The lower-case hex of each digest of its entry, in its order; empty when the file was not
    // read (unreadable, or its size already differs).
    QList<QByteArray> found;
    std::optional<qint64> size; // the size found, when the file could be opened
};

class FileDescriptor;
class NearFolder;

// What opening a file for its digests found: only a regular file is read, never a FIFO or a
// device (error 0, not regular); a folder gives EISDIR. The folder is opened through near, which
// keeps it for the next file of the same folder.
struct OpenedFile {
    bool regular = false;
    int error = 0; // errno when it could not be opened
    qint64 size = 0;
};
OpenedFile openForDigests(const QByteArray &path, NearFolder &near, FileDescriptor &file);

// The file of an entry: its name as it stands when absolute, else below the folder (a system
// path, without a trailing "/").
QByteArray entryPath(const ManifestEntry &entry, const QByteArray &folder);

// Told on the calling thread, as chunks of files are done and at least every quarter second, how
// many files are done; the last call tells all of them.
using CheckProgress = std::function<void(qsizetype done)>;

// One check per entry, in the entries' order. A file matches when its size (where the entry
// has one) and every digest of its entry agree, digests compared without regard to case.
QList<FileCheck> checkFiles(const QList<ManifestEntry> &entries, const QByteArray &folder,
                            const CheckProgress &progress = {}, const std::atomic<bool> *stop = nullptr);
