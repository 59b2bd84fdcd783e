#pragma once
// The running program's side of the hand-over: every start owns one server; the main window's
// receiver turns a handed-over command line into a call of its handler.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class HandOverReceiver;

class HandOverServer : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QObject *parent = nullptr);
    ~HandOverServer() override;

    // Listens unless another start already answers on serverName (then this start runs on its
    // own and the other keeps receiving hand-overs). A socket left by a crashed start is removed.
    bool listen(const QString &serverName);
    bool isListening() const;
    // Stops listening and drops the connections not yet answered: their senders start on their own.
    void close();
    QString fullServerName() const;
    bool hasReceiver() const { return !m_receiver.isNull(); }

private:
    friend class HandOverReceiver;
    bool attach(HandOverReceiver *receiver);
    void detach(HandOverReceiver *receiver);

    void acceptConnections();
    void readMessage(QLocalSocket *socket);
    quint32 deliver(const QString &commandLine);

    QLocalServer *m_server;
    QPointer<HandOverReceiver> m_receiver;
};

class HandOverReceiver : public QObject {
    Q_OBJECT
public:
    // Attaches to the server; a server serves at most one receiver, so a second one stays detached.
    explicit HandOverReceiver(HandOverServer &server, QObject *parent = nullptr);
    ~HandOverReceiver() override;

    bool isAttached() const { return m_attached; }

Q_SIGNALS:
    // The handed-over arguments: entry 0 is the sender's program path.
    void newInstance(const QStringList &arguments);
    // After the handler ran: the window layer brings the program to the front.
    void bringToFront();

private:
    friend class HandOverServer;
    void takeOver(const QString &commandLine);

    QPointer<HandOverServer> m_server;
    bool m_attached = false;
};
