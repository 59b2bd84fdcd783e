#include "app/hand_over_server.h"

#include "app/hand_over.h"

#include <QDataStream>
#include <QDir>
#include <QIODevice>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMetaMethod>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr int ProbeTimeoutMs = 1000;
constexpr int LockTimeoutMs = 5000;
// A client that never completes its message must not hold a connection for ever.
constexpr int IdleTimeoutMs = 30000;
constexpr qint64 LengthSize = sizeof(quint32);

QString idleTimerName()
{
    return QStringLiteral("handOverIdle");
}

// Beside the socket, or in the temp folder where QLocalServer puts plain names.
QString lockFilePath(const QString &serverName)
{
    if (serverName.startsWith(u'/'))
        return serverName + u".lock";
    return QDir::tempPath() + u'/' + serverName + u".lock";
}

enum class Probe { Answers, NoServer, Unknown };

Probe probeServer(const QString &serverName)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (socket.waitForConnected(ProbeTimeoutMs)) {
        socket.abort();
        return Probe::Answers;
    }
    switch (socket.error()) {
    case QLocalSocket::ServerNotFoundError:
    case QLocalSocket::ConnectionRefusedError:
        return Probe::NoServer;
    default:
        // A busy server may time out; never remove a socket somebody may still own.
        return Probe::Unknown;
    }
}

} // namespace

HandOverServer::HandOverServer(QObject *parent) : QObject(parent), m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &HandOverServer::acceptConnections);
}

HandOverServer::~HandOverServer()
{
    if (m_receiver)
        m_receiver->m_attached = false;
}

bool HandOverServer::listen(const QString &serverName)
{
    if (m_server->isListening())
        return false;
    // Two starts at once must not both find the name free, nor remove each other's socket.
    QLockFile lock(lockFilePath(serverName));
    if (!lock.tryLock(LockTimeoutMs))
        return false;
    if (probeServer(serverName) != Probe::NoServer)
        return false;
    QLocalServer::removeServer(serverName);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    return m_server->listen(serverName);
}

bool HandOverServer::isListening() const
{
    return m_server->isListening();
}

void HandOverServer::close()
{
    // Accepted connections are children of the server.
    for (QLocalSocket *socket : m_server->findChildren<QLocalSocket *>())
        socket->abort();
    m_server->close();
}

QString HandOverServer::fullServerName() const
{
    return m_server->fullServerName();
}

bool HandOverServer::attach(HandOverReceiver *receiver)
{
    if (m_receiver)
        return false;
    m_receiver = receiver;
    return true;
}

void HandOverServer::detach(HandOverReceiver *receiver)
{
    if (m_receiver == receiver)
        m_receiver = nullptr;
}

void HandOverServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        auto *idle = new QTimer(socket);
        idle->setObjectName(idleTimerName());
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QLocalSocket::abort);
        idle->start(IdleTimeoutMs);
        // Data may have come with the connection itself.
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void HandOverServer::readMessage(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < LengthSize)
        return;
    const quint32 length = qFromBigEndian<quint32>(socket->peek(LengthSize).constData());
    if (length > HandOverMaxBody) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < LengthSize + qint64(length))
        return;
    socket->read(LengthSize);
    const auto request = parseHandOverBody(socket->read(length));
    if (!request) {
        socket->abort();
        return;
    }
    // One message per connection; the reply may take as long as the handler needs.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    if (auto *idle = socket->findChild<QTimer *>(idleTimerName(), Qt::FindDirectChildrenOnly))
        idle->stop();

    const QPointer<QLocalSocket> guard(socket);
    const quint32 reply = deliver(request->commandLine);
    // The handler may have run an event loop in which the sender gave up.
    if (!guard || guard->state() != QLocalSocket::ConnectedState)
        return;
    QByteArray answer;
    QDataStream out(&answer, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << reply;
    guard->write(answer);
    guard->flush();
    guard->disconnectFromServer();
}

quint32 HandOverServer::deliver(const QString &commandLine)
{
    // Before the main window exists the sender starts on its own.
    const QPointer<HandOverReceiver> receiver = m_receiver;
    if (!receiver)
        return HandOverGoOn;
    receiver->takeOver(commandLine);
    return HandOverTaken;
}

HandOverReceiver::HandOverReceiver(HandOverServer &server, QObject *parent)
    : QObject(parent), m_server(&server)
{
    m_attached = server.attach(this);
}

HandOverReceiver::~HandOverReceiver()
{
    if (m_server && m_attached)
        m_server->detach(this);
}

void HandOverReceiver::takeOver(const QString &commandLine)
{
    // Without a handler the arguments are still taken, so the sender ends.
    if (!isSignalConnected(QMetaMethod::fromSignal(&HandOverReceiver::newInstance)))
        return;
    const QPointer<HandOverReceiver> self(this);
    Q_EMIT newInstance(parseQuotedArguments(commandLine));
    if (self)
        Q_EMIT bringToFront();
}
