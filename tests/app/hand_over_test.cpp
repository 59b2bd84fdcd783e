// The hand-over between two starts, over real local sockets: the sending side blocks in its own
// thread while this thread runs the event loop of the receiving side. Raw bytes go out from this
// thread, piece by piece.
#include "app/hand_over.h"
#include "app/hand_over_server.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using namespace Qt::Literals::StringLiterals;

template <typename Client> auto whileServing(Client client)
{
    auto result = std::async(std::launch::async, client);
    while (result.wait_for(5ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    return result.get();
}

HandOverResult handOver(const QString &serverName, const QStringList &arguments,
                        std::chrono::milliseconds connectTimeout = HandOverConnectTimeout)
{
    return whileServing([&] {
        return handOverToRunningInstance(serverName, 4242, quotedCommandLine(arguments), connectTimeout);
    });
}

// Sends raw bytes in pieces, each one taken in by the server before the next goes out, and
// returns what came back before the server closed the connection.
QByteArray sendRaw(const HandOverServer &server, const QString &serverName, const QList<QByteArray> &pieces)
{
    const auto accepted = [&] { return server.findChildren<QLocalSocket *>(); };
    // Earlier connections are gone first, so the one the server accepts next is this one.
    if (!QTest::qWaitFor([&] { return accepted().isEmpty(); }, 5000))
        return QByteArray("earlier connection still open");
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!QTest::qWaitFor([&] { return accepted().size() == 1; }, 5000))
        return QByteArray("no connection");
    const QPointer<QLocalSocket> peer = accepted().constFirst();
    qint64 sent = 0;
    for (const QByteArray &piece : pieces) {
        socket.write(piece);
        socket.flush();
        sent += piece.size();
        // The server keeps an incomplete message buffered; a whole or broken one ends the connection.
        const bool taken = QTest::qWaitFor(
            [&] {
                return !peer || peer->state() != QLocalSocket::ConnectedState ||
                       peer->bytesAvailable() == sent;
            },
            5000);
        if (!taken)
            return QByteArray("piece not taken");
    }
    // A connection the server leaves open counts as a hang, not as a drop.
    if (!QTest::qWaitFor([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 3000))
        return QByteArray("left open");
    return socket.readAll();
}

QByteArray replyBytes(quint32 reply)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << reply;
    return bytes;
}

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char *name)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
    }
    ~EnvironmentGuard() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(HandOverArguments, ParseQuotedArgumentsKeepsOnlyClosedQuotedStretches)
{
    using L = QStringList;
    // Unquoted arguments are lost: only the sender's program path survives.
    EXPECT_EQ(parseQuotedArguments(u"\"/opt/tabulix/tabulix\" /home/a.txt /home/b.txt"_s),
              L{u"/opt/tabulix/tabulix"_s});
    EXPECT_EQ(parseQuotedArguments(u"\"/p\" \"\" \"x\""_s), (L{u"/p"_s, QString(), u"x"_s}));
    EXPECT_EQ(parseQuotedArguments(u"\"\"\"\""_s), (L{QString(), QString()}));
    EXPECT_EQ(parseQuotedArguments(u"\"/p\" \"/home/unclosed"_s), L{u"/p"_s});
    EXPECT_EQ(parseQuotedArguments(u"\"/home/my files/a\tb .txt\""_s), L{u"/home/my files/a\tb .txt"_s});
    EXPECT_EQ(parseQuotedArguments(u"before\"x\"between\"y\"after"_s), (L{u"x"_s, u"y"_s}));
    EXPECT_TRUE(parseQuotedArguments(QString()).isEmpty());
    EXPECT_TRUE(parseQuotedArguments(u"no quotes at all"_s).isEmpty());
}

TEST(HandOverArguments, QuotedCommandLineSurvivesTheParser)
{
    EXPECT_EQ(quotedCommandLine({u"/p"_s, u"a b"_s}), u"\"/p\" \"a b\""_s);
    const QStringList arguments{u"/usr/local/bin/tabulix"_s,   u"/home/ü ber/Straße 1.txt"_s, QString(),
                                u"  leading and trailing  "_s, u"/srv/日本語/€.tbx"_s,        u"tab\there"_s};
    EXPECT_EQ(parseQuotedArguments(quotedCommandLine(arguments)), arguments);

    EXPECT_TRUE(canHandOver(arguments));
    EXPECT_FALSE(canHandOver({u"/p"_s, u"/home/say \"hi\".txt"_s}));
    EXPECT_FALSE(canHandOver({u"/p"_s, u"\""_s}));
}

TEST(HandOverArguments, ServerNameFollowsTheProgramPathAndRuntimeFolder)
{
    const EnvironmentGuard guard("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString name = handOverServerName(u"/opt/tabulix/tabulix"_s);
    const QString prefix = runtime.path() + u"/tabulix-";
    ASSERT_TRUE(name.startsWith(prefix)) << name.toStdString();
    const QString hash = name.mid(prefix.size());
    EXPECT_EQ(hash.size(), 16);
    EXPECT_TRUE(QByteArray::fromHex(hash.toLatin1()).toHex() == hash.toLatin1()) << hash.toStdString();
    EXPECT_EQ(handOverServerName(u"/opt/tabulix/tabulix"_s), name);
    EXPECT_NE(handOverServerName(u"/home/me/copy/tabulix"_s), name);

    // Without a runtime folder: a plain name, kept apart per user.
    const QString plainPrefix = u"tabulix-" + QString::number(::getuid()) + u'-';
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path() + u"/missing"));
    EXPECT_EQ(handOverServerName(u"/opt/tabulix/tabulix"_s), plainPrefix + hash);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(handOverServerName(u"/opt/tabulix/tabulix"_s), plainPrefix + hash);
}

TEST(HandOverArguments, MessageCarriesPidAndCommandLine)
{
    const QString line = u"\"/p\" \"/home/ä b\""_s;
    const QByteArray message = handOverMessage(-7, line);
    ASSERT_GT(message.size(), 4);
    const QByteArray body = message.mid(4);
    QDataStream lengthIn(message);
    quint32 length = 0;
    lengthIn >> length;
    EXPECT_EQ(length, quint32(body.size()));

    const auto request = parseHandOverBody(body);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->pid, -7);
    EXPECT_EQ(request->commandLine, line);

    EXPECT_FALSE(parseHandOverBody(body.chopped(1)).has_value());
    EXPECT_FALSE(parseHandOverBody(body + '\0').has_value());
    QByteArray otherMagic = body;
    otherMagic[0] = char(otherMagic[0] ^ 1);
    EXPECT_FALSE(parseHandOverBody(otherMagic).has_value());
    // Too long for the receiver's limit: nothing is sent at all.
    EXPECT_TRUE(handOverMessage(1, QString(int(HandOverMaxBody / 2), u'x')).isEmpty());
}

class HandOverServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }
    QString socketPath() const { return m_folder.filePath(u"hand-over"_s); }

    QTemporaryDir m_folder;
};

TEST_F(HandOverServerTest, ReceiverTakesTheArgumentsOverBeforeTheSenderEnds)
{
    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    QStringList events;
    QList<QStringList> received;
    auto receiver = std::make_unique<HandOverReceiver>(server);
    QObject::connect(receiver.get(), &HandOverReceiver::newInstance, [&](const QStringList &arguments) {
        events << u"handler"_s;
        received << arguments;
    });
    QObject::connect(receiver.get(), &HandOverReceiver::bringToFront, [&] { events << u"front"_s; });

    const QStringList arguments{u"/opt/tabulix/tabulix"_s, u"/home/a b/ä.txt"_s, u"/home/c.tbx"_s};
    EXPECT_EQ(handOver(socketPath(), arguments), HandOverResult::Taken);
    EXPECT_EQ(received, QList<QStringList>{arguments});
    EXPECT_EQ(events, (QStringList{u"handler"_s, u"front"_s}));

    // The sender waits while the handler adds the paths, even past the connect timeout.
    receiver->disconnect();
    constexpr auto shortTimeout = 20ms;
    QObject::connect(receiver.get(), &HandOverReceiver::newInstance, [&](const QStringList &slowArguments) {
        // The handler's own work outlasts the sender's connect timeout.
        std::this_thread::sleep_for(3 * shortTimeout);
        received << slowArguments;
    });
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/slow"_s}, shortTimeout), HandOverResult::Taken);
    EXPECT_EQ(received.size(), 2);

    // Without a connected handler the arguments still count as taken, but nothing comes forward.
    receiver->disconnect();
    events.clear();
    QObject::connect(receiver.get(), &HandOverReceiver::bringToFront, [&] { events << u"front"_s; });
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/x"_s}), HandOverResult::Taken);
    EXPECT_TRUE(events.isEmpty());

    // Once the main window's receiver is gone the sender starts on its own again.
    receiver.reset();
    EXPECT_FALSE(server.hasReceiver());
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/x"_s}), HandOverResult::GoOn);
}

TEST_F(HandOverServerTest, WithoutReceiverOrServerTheSenderGoesOn)
{
    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::GoOn);
    EXPECT_EQ(handOver(m_folder.filePath(u"nobody"_s), {u"/p"_s, u"/a"_s}), HandOverResult::GoOn);
}

TEST_F(HandOverServerTest, SenderGoesOnUnlessTheReplyIsTaken)
{
    // A stand-in for a running program that answers with whatever the test gives it.
    QLocalServer fake;
    ASSERT_TRUE(fake.listen(socketPath()));
    QByteArray answer;
    const qint64 messageSize = handOverMessage(4242, quotedCommandLine({u"/p"_s, u"/a"_s})).size();
    QObject::connect(&fake, &QLocalServer::newConnection, [&] {
        QLocalSocket *socket = fake.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, [&, socket] {
            if (socket->bytesAvailable() < messageSize)
                return;
            socket->readAll();
            socket->write(answer);
            socket->disconnectFromServer();
        });
    });
    for (const quint32 reply : {HandOverGoOn, 0u, HandOverTaken ^ 0x100u}) {
        answer = replyBytes(reply);
        EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::GoOn) << reply;
    }
    answer = replyBytes(HandOverTaken).left(3);
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::GoOn);
    answer = replyBytes(HandOverTaken);
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::Taken);
}

TEST_F(HandOverServerTest, OnlyOneStartListensAndOneReceiverAttaches)
{
    auto first = std::make_unique<HandOverServer>();
    ASSERT_TRUE(first->listen(socketPath()));
    HandOverServer second;
    EXPECT_FALSE(second.listen(socketPath()));
    EXPECT_FALSE(second.isListening());
    // Other users may not even connect.
    const auto othersAccess =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_FALSE(QFileInfo(socketPath()).permissions() & othersAccess);

    // The running start keeps receiving, and a second receiver does not take its place.
    QStringList received;
    HandOverReceiver receiver(*first);
    HandOverReceiver intruder(*first);
    EXPECT_TRUE(receiver.isAttached());
    EXPECT_FALSE(intruder.isAttached());
    QObject::connect(&receiver, &HandOverReceiver::newInstance, [&](const QStringList &a) { received = a; });
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::Taken);
    EXPECT_EQ(received, (QStringList{u"/p"_s, u"/a"_s}));

    first.reset();
    EXPECT_FALSE(receiver.isAttached());
    HandOverServer third;
    EXPECT_TRUE(third.listen(socketPath()));
}

TEST_F(HandOverServerTest, SocketLeftByACrashedStartDoesNotBlock)
{
    // Bound and closed without unlinking: the file stays, and connecting to it is refused.
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(descriptor);
    ASSERT_TRUE(QFile::exists(socketPath()));
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::GoOn);

    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    HandOverReceiver receiver(server);
    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/a"_s}), HandOverResult::Taken);
}

TEST_F(HandOverServerTest, MessagesInPiecesAndGarbageAreHandledAndServingGoesOn)
{
    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    HandOverReceiver receiver(server);
    QList<QStringList> received;
    QObject::connect(&receiver, &HandOverReceiver::newInstance, [&](const QStringList &a) { received << a; });

    const QByteArray message = handOverMessage(1, quotedCommandLine({u"/p"_s, u"/pieces"_s}));
    EXPECT_EQ(sendRaw(server, socketPath(), {message.left(2), message.mid(2, 9), message.mid(11)}),
              replyBytes(HandOverTaken));
    EXPECT_EQ(received, QList<QStringList>{(QStringList{u"/p"_s, u"/pieces"_s})});

    // Each of these is dropped without a reply.
    QByteArray otherMagic = message;
    otherMagic[4] = char(otherMagic[4] ^ 1);
    QByteArray shortBody = replyBytes(3) + "abc";
    EXPECT_EQ(sendRaw(server, socketPath(), {replyBytes(0xFFFFFFFFu) + "junk"}), QByteArray());
    EXPECT_EQ(sendRaw(server, socketPath(), {otherMagic}), QByteArray());
    EXPECT_EQ(sendRaw(server, socketPath(), {shortBody}), QByteArray());
    // A sender that gives up halfway: the rest never comes, nothing is delivered.
    EXPECT_TRUE(whileServing([&] {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        const bool connected = socket.waitForConnected(1000);
        socket.write(message.left(message.size() - 1));
        socket.waitForBytesWritten(1000);
        return connected;
    }));
    EXPECT_EQ(received.size(), 1);

    EXPECT_EQ(handOver(socketPath(), {u"/p"_s, u"/after"_s}), HandOverResult::Taken);
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received.last(), (QStringList{u"/p"_s, u"/after"_s}));
}
