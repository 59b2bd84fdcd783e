// The file manager link over a private message bus of its own: a bus without a file manager,
// and one where a stand-in answers under the file manager's name.
#include "opened_urls.h"
#include "ui/file_manager_link.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A message bus daemon that knows no services and lets everyone talk to everyone.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString program = QStandardPaths::findExecutable(u"dbus-daemon"_s);
        if (program.isEmpty())
            return;
        QFile config(m_folder.filePath(u"bus.conf"_s));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                     " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:tmpdir=" +
                     QFile::encodeName(m_folder.path()) +
                     "</listen><auth>EXTERNAL</auth>"
                     "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        m_daemon.start(program,
                       {u"--nofork"_s, u"--print-address=1"_s, u"--config-file="_s + config.fileName()});
        if (m_daemon.waitForReadyRead(10000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        for (const QString &name : std::as_const(m_connections))
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    bool isRunning() const { return !m_address.isEmpty(); }
    QDBusConnection connect(const QString &name)
    {
        m_connections.append(name);
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

// Answers as the file manager does and writes down what it was asked.
class StandInFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList calls;

public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &)
    {
        calls.append(u"ShowItems "_s + uris.join(u' '));
    }
    void ShowItemProperties(const QStringList &uris, const QString &)
    {
        calls.append(u"ShowItemProperties "_s + uris.join(u' '));
    }
};

} // namespace

TEST(FileManagerLink, ABusWithoutAFileManagerFallsBack)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "no dbus-daemon";
    OpenedUrls opened;
    FileManagerLink link;
    link.useBus(bus.connect(u"no-file-manager"_s));
    link.showItem(u"/tmp/some folder/a.txt"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened.urls.isEmpty(); }));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(u"/tmp/some folder"_s)});

    bool fellBack = false;
    link.showItemProperties(u"/tmp/a.txt"_s, [&fellBack] { fellBack = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return fellBack; }));
}

TEST(FileManagerLink, AFileManagerIsAskedWithTheFileUrl)
{
    PrivateBus bus;
    if (!bus.isRunning())
        GTEST_SKIP() << "no dbus-daemon";
    QDBusConnection service = bus.connect(u"stand-in"_s);
    StandInFileManager fileManager;
    ASSERT_TRUE(service.registerObject(u"/org/freedesktop/FileManager1"_s, &fileManager,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService(u"org.freedesktop.FileManager1"_s))
        << service.lastError().message().toStdString();

    OpenedUrls opened;
    FileManagerLink link;
    link.useBus(bus.connect(u"asking"_s));
    link.showItem(u"/tmp/x/a b.txt"_s);
    bool fellBack = false;
    link.showItemProperties(u"/tmp/x/ä.txt"_s, [&fellBack] { fellBack = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return fileManager.calls.size() == 2; }));
    EXPECT_EQ(fileManager.calls, (QStringList{u"ShowItems file:///tmp/x/a%20b.txt"_s,
                                              u"ShowItemProperties file:///tmp/x/%C3%A4.txt"_s}));
    // Answered: once both replies are in, no fallback ran.
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.findChildren<QDBusPendingCallWatcher *>().isEmpty(); }));
    EXPECT_TRUE(opened.urls.isEmpty());
    EXPECT_FALSE(fellBack);
}

#include "file_manager_link_test.moc"
