#include "standard_output.h"

#include "common/control_characters.h"

#include <QStringEncoder>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

StandardOutput::StandardOutput() : m_closed(fcntl(STDOUT_FILENO, F_GETFD) == -1)
{
    std::signal(SIGPIPE, SIG_IGN);
    if (!m_closed)
        return;
    const int nothing = open("/dev/null", O_WRONLY);
    if (nothing >= 0 && nothing != STDOUT_FILENO) {
        dup2(nothing, STDOUT_FILENO);
        close(nothing);
    }
}

QString StandardOutput::write(const QString &text) const
{
    return writeBytes(shownOn(STDOUT_FILENO, text).toUtf8());
}

QString StandardOutput::writeLines(std::span<const QString> lines, QStringView lineEnd) const
{
    const bool terminal = isatty(STDOUT_FILENO);
    qsizetype length = 0;
    for (const QString &line : lines)
        length += line.size() + lineEnd.size();
    QStringEncoder encoder(QStringEncoder::Utf8);
    QByteArray bytes(encoder.requiredSpace(length), Qt::Uninitialized);
    char *end = bytes.data();
    for (const QString &line : lines) {
        const QString shown = terminal ? controlsAsQuestionMarks(line, u"\t\n") : line;
        end = encoder.appendToBuffer(end, shown);
        end = encoder.appendToBuffer(end, lineEnd);
    }
    bytes.truncate(end - bytes.data());
    return writeBytes(bytes);
}

QString StandardOutput::writeBytes(const QByteArray &bytes) const
{
    if (m_closed)
        return errorReason(EBADF);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, size_t(left));
        if (written < 0 && errno != EINTR)
            return errorReason(errno);
        if (written > 0) {
            data += written;
            left -= written;
        }
    }
    return {};
}

QString shownOn(int fileDescriptor, const QString &text)
{
    return isatty(fileDescriptor) ? controlsAsQuestionMarks(text, u"\t\n") : text;
}

QString errorReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
