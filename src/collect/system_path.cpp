#include "collect/system_path.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Opens the folders of a long path step by step, each step shorter than the limit, until the
// rest fits into one call. Returns the rest; folder holds the descriptor it is relative to.
// An empty rest with errno set means a step failed.
QByteArray reachNearFolder(const QByteArray &path, FileDescriptor &folder)
{
    QByteArray rest = path;
    while (rest.size() >= PATH_MAX) {
        // The last "/" within the limit ends the next step.
        const qsizetype cut = rest.lastIndexOf('/', PATH_MAX - 2);
        if (cut <= 0) {
            errno = ENAMETOOLONG; // one name longer than the limit cannot exist
            return {};
        }
        const QByteArray step = rest.left(cut);
        const int next = ::openat(folder.get(), step.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (next < 0)
            return {};
        folder.reset(next);
        rest = rest.mid(cut + 1);
    }
    return rest;
}

} // namespace

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

QString shownPath(const QByteArray &systemPath)
{
    return QString::fromUtf8(systemPath);
}

namespace {

// A lone U+DC80 to U+DCFF: a byte argumentPath could not read as UTF-8.
bool isEscapedByte(QStringView text, qsizetype i)
{
    const char16_t unit = text[i].unicode();
    return unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !QChar::isHighSurrogate(text[i - 1].unicode()));
}

// The length of the well-formed UTF-8 sequence at the start of bytes, 0 when there is none.
qsizetype utf8SequenceAt(const unsigned char *bytes, qsizetype available)
{
    const unsigned char lead = bytes[0];
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (available < length || bytes[1] < low || bytes[1] > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (bytes[i] < 0x80 || bytes[i] > 0xBF)
            return 0;
    return length;
}

} // namespace

QByteArray encodedPath(const QString &path)
{
    qsizetype escaped = 0;
    while (escaped < path.size() && !isEscapedByte(path, escaped))
        ++escaped;
    if (escaped == path.size())
        return QFile::encodeName(path);
    QByteArray bytes = QFile::encodeName(path.left(escaped));
    for (qsizetype i = escaped; i < path.size();) {
        if (isEscapedByte(path, i)) {
            bytes.append(char(path[i].unicode() - 0xDC00));
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < path.size() && !isEscapedByte(path, end))
            ++end;
        bytes.append(QFile::encodeName(path.mid(i, end - i)));
        i = end;
    }
    return bytes;
}

QString argumentPath(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    QString text;
    qsizetype valid = 0; // the start of the run of UTF-8 not yet taken
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = utf8SequenceAt(data + i, bytes.size() - i);
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + valid, i - valid);
        text += QChar(char16_t(0xDC00 + data[i]));
        valid = ++i;
    }
    return text + QString::fromUtf8(bytes.constData() + valid, bytes.size() - valid);
}

int openAt(int folderFd, const char *name, int flags)
{
    int fd;
    do
        fd = ::openat(folderFd, name, flags | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int openPath(const QByteArray &path, int flags)
{
    FileDescriptor folder(AT_FDCWD);
    const QByteArray rest = reachNearFolder(path, folder);
    if (rest.isEmpty() && !path.isEmpty())
        return -1;
    return openAt(folder.get(), rest.constData(), flags);
}

NearFolder::~NearFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int NearFolder::folderOf(const QByteArray &path, const char *&name)
{
    const qsizetype slash = path.lastIndexOf('/');
    name = path.constData() + slash + 1;
    // Compared in place: most paths lie in the folder of the one before.
    const QByteArrayView folder = slash < 0 ? QByteArrayView(".") : slash == 0 ? QByteArrayView("/")
                                                                              : QByteArrayView(path).first(slash);
    if (m_fd >= 0 && folder == m_folder)
        return m_fd;
    if (m_fd >= 0)
        ::close(m_fd);
    m_folder = folder.toByteArray();
    m_fd = openPath(m_folder, O_PATH | O_DIRECTORY);
    return m_fd;
}
