#pragma once
// Paths as the system knows them: bytes, not text. A name need not be UTF-8 and a path may
// be longer than the system's limit for one call; both still name a file that can be read.
#include <QByteArray>
#include <QString>

// Keeps one descriptor open and closes it when the scope ends; negative values (none, or
// AT_FDCWD) are never closed.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(-1); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd);

private:
    int m_fd;
};

// The path as shown: UTF-8 read as text, each byte that is not UTF-8 shown as U+FFFD.
QString shownPath(const QByteArray &systemPath);
// The bytes of a path that was shown without loss (a row keeps the others), or that
// argumentPath made.
QByteArray encodedPath(const QString &path);
// Bytes handed over as a path, such as a command-line argument, as text that encodedPath turns
// back into the very bytes: each byte that is not part of UTF-8 becomes a lone code unit
// U+DC80 to U+DCFF, which no text holds otherwise.
QString argumentPath(const QByteArray &bytes);

// openat(2) with close-on-exec, tried again when a signal interrupts it.
int openAt(int folderFd, const char *name, int flags);
// open(2) for a path of any length: a path longer than one call takes is opened folder by
// folder. -1 with errno set on failure.
int openPath(const QByteArray &path, int flags);
// The folder of the files being read, held open while the next files lie in it too, so that
// their facts and contents are read by name instead of walking the whole path each time.
class NearFolder {
public:
    NearFolder() = default;
    ~NearFolder();
    NearFolder(const NearFolder &) = delete;
    NearFolder &operator=(const NearFolder &) = delete;

    // The descriptor of the path's folder, and in name the path's last part; -1 with errno set
    // when the folder cannot be opened.
    int folderOf(const QByteArray &path, const char *&name);

private:
    QByteArray m_folder;
    int m_fd = -1;
};
