#include "config/ini_file.h"

#include "common/safe_file.h"
#include "common/tabulix_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far beyond any configuration, so a wrong file chosen by mistake cannot fill the memory.
constexpr qint64 LargestConfiguration = 16 * 1024 * 1024;

[[noreturn]] void failReading(const QString &path, int error)
{
    throw UnreadableIniFile(path, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

UnreadableIniFile::UnreadableIniFile(const QString &path, const QString &reason)
    : TabulixError(u"Cannot read file \"" + path + u"\". " + reason), m_reason(reason)
{
}

IniDocument readIniFile(const QString &path, MissingIniFile missing)
{
    // Not blocking, so that a FIFO given by mistake cannot wait for a writer forever.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        if ((errno == ENOENT || errno == ENOTDIR) && missing == MissingIniFile::ReadsEmpty)
            return IniDocument();
        failReading(path, errno);
    }
    struct stat facts {};
    if (::fstat(descriptor, &facts) == 0 && S_ISDIR(facts.st_mode)) {
        ::close(descriptor);
        failReading(path, EISDIR);
    }
    if (!S_ISREG(facts.st_mode)) {
        ::close(descriptor);
        throw UnreadableIniFile(path, QStringLiteral("Not a regular file"));
    }
    if (facts.st_size > LargestConfiguration) {
        ::close(descriptor);
        throw UnreadableIniFile(path, QStringLiteral("Too large for a configuration"));
    }
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t length = ::read(descriptor, buffer, sizeof buffer);
        if (length == 0)
            break;
        if (length > 0) {
            bytes.append(buffer, length);
        } else if (errno != EINTR) {
            const int error = errno;
            ::close(descriptor);
            failReading(path, error);
        }
    }
    ::close(descriptor);
    return IniDocument::fromBytes(bytes);
}

void writeIniFile(const QString &path, const IniDocument &document)
{
    // A folder that cannot be made shows as the failure of the write that follows.
    QDir().mkpath(QFileInfo(path).path());
    const QString failure = QFileInfo::exists(path) ? QString(u"Unable to write to " + path)
                                                    : QString(u"Cannot create file \"" + path + u"\".");
    writeFileSafely(path, document.toBytes(), failure);
}
