#include "app/hand_over.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QIODevice>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// The running program replies only after it has added the paths, which may take a while.
constexpr int ReplyTimeoutMs = 60000;

constexpr auto StreamVersion = QDataStream::Qt_6_0;

} // namespace

QStringList parseQuotedArguments(const QString &text)
{
    QStringList arguments;
    QString collected;
    bool insideQuotes = false;
    for (const QChar character : text) {
        if (character == u'"') {
            if (insideQuotes) {
                // An empty stretch still gives an entry, and not a null one.
                arguments.append(collected.isNull() ? QStringLiteral("") : collected);
                collected.clear();
            }
            insideQuotes = !insideQuotes;
        } else if (insideQuotes) {
            collected.append(character);
        }
    }
    return arguments;
}

QString quotedCommandLine(const QStringList &arguments)
{
    QString line;
    for (const QString &argument : arguments) {
        if (!line.isEmpty())
            line += u' ';
        line += u'"' + argument + u'"';
    }
    return line;
}

bool canHandOver(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.contains(u'"'))
            return false;
    }
    return true;
}

QString handOverServerName(const QString &programPath)
{
    const QByteArray digest = QCryptographicHash::hash(programPath.toUtf8(), QCryptographicHash::Sha1);
    const QString hash = QString::fromLatin1(digest.toHex().left(16));
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeFolder.isEmpty() && QFileInfo(runtimeFolder).isDir())
        return runtimeFolder + u"/tabulix-" + hash;
    // QLocalServer puts a plain name into the shared temp folder, so the user id keeps users apart.
    return u"tabulix-" + QString::number(::getuid()) + u'-' + hash;
}

QByteArray handOverMessage(qint64 pid, const QString &commandLine)
{
    QByteArray body;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << HandOverMagic << pid << commandLine;
    }
    if (body.size() > qsizetype(HandOverMaxBody))
        return {};
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << quint32(body.size());
    message.append(body);
    return message;
}

std::optional<HandOverRequest> parseHandOverBody(const QByteArray &body)
{
    QDataStream in(body);
    in.setVersion(StreamVersion);
    quint32 magic = 0;
    HandOverRequest request;
    in >> magic >> request.pid >> request.commandLine;
    if (in.status() != QDataStream::Ok || magic != HandOverMagic || !in.atEnd())
        return std::nullopt;
    return request;
}

HandOverResult handOverToRunningInstance(const QString &serverName, qint64 pid, const QString &commandLine,
                                         std::chrono::milliseconds connectTimeout)
{
    const QByteArray message = handOverMessage(pid, commandLine);
    if (message.isEmpty())
        return HandOverResult::GoOn;

    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(int(connectTimeout.count())))
        return HandOverResult::GoOn;

    const QDeadlineTimer deadline(ReplyTimeoutMs);
    socket.write(message);
    while (socket.bytesToWrite() > 0 && socket.state() == QLocalSocket::ConnectedState) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            break;
    }
    // Wait as long as the connection stays open: a closed one will not answer any more.
    while (socket.bytesAvailable() < qint64(sizeof(quint32)) &&
           socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired())
        socket.waitForReadyRead(int(deadline.remainingTime()));
    if (socket.bytesAvailable() < qint64(sizeof(quint32)))
        return HandOverResult::GoOn;

    QDataStream in(&socket);
    in.setVersion(StreamVersion);
    quint32 reply = 0;
    in >> reply;
    return reply == HandOverTaken ? HandOverResult::Taken : HandOverResult::GoOn;
}
