#pragma once
// Helpers for tests of files the program writes: contents, folder listings, system reasons and
// a write that runs into the file size limit.
#include "common/tabulix_error.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

inline QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every name in the folder, hidden ones too, so a forgotten temporary file shows.
inline QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The system's text for an error number, as the program shows it.
inline QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Runs the write in a child process whose files may not grow past `limit` bytes, so the test
// process keeps its own limits. Returns the TabulixError's text, or "<no error>". The child has
// no threads but its own: the write must not need Qt's thread pool (large image conversions do).
inline QString errorUnderFileSizeLimit(rlim_t limit, const std::function<void()> &write)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // Without this the signal would end the child instead of failing the write.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        QByteArray message = "<no limit>";
        if (::setrlimit(RLIMIT_FSIZE, &fileSize) == 0) {
            message = "<no error>";
            try {
                write();
            } catch (const TabulixError &error) {
                message = error.message().toUtf8();
            }
        }
        const ssize_t written = ::write(channel[1], message.constData(), size_t(message.size()));
        ::_exit(written == message.size() ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray message;
    char buffer[4096];
    for (ssize_t length; (length = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, length);
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child failed>");
    return QString::fromUtf8(message);
}
