#include "config/ini_file.h"

#include "common/safe_file.h"
#include "common/tabulix_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void failReading(const QString &path, int error)
{
    throw TabulixError(u"Cannot read file \"" + path + u"\". " +
                       QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

IniDocument readIniFile(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return IniDocument();
        failReading(path, errno);
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
            failReading(path, error); // a folder says so here
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
