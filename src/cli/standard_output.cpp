#include "standard_output.h"

#include "common/control_characters.h"

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
    if (m_closed)
        return errorReason(EBADF);
    const QByteArray bytes = shownOn(STDOUT_FILENO, text).toUtf8();
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
