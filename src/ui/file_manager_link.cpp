#include "ui/file_manager_link.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QUrl>

namespace {

Q_LOGGING_CATEGORY(lcFileManager, "tabulix.filemanager", QtWarningMsg)

const QString FileManagerService = QStringLiteral("org.freedesktop.FileManager1");
const QString FileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");

} // namespace

FileManagerLink::FileManagerLink(QObject *parent) : QObject(parent) {}

void FileManagerLink::useBus(const QDBusConnection &bus)
{
    m_bus = bus;
}

void FileManagerLink::showItem(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    ask(QStringLiteral("ShowItems"), path,
        [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
}

void FileManagerLink::showItemProperties(const QString &path, std::function<void()> fallback)
{
    ask(QStringLiteral("ShowItemProperties"), path, std::move(fallback));
}

void FileManagerLink::ask(const QString &method, const QString &path, std::function<void()> fallback)
{
    const QDBusConnection bus = m_bus.value_or(QDBusConnection::sessionBus());
    // Without a bus an asynchronous call would never report back.
    if (!bus.isConnected()) {
        qCInfo(lcFileManager) << "no session bus:" << bus.lastError().message();
        fallback();
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(FileManagerService, FileManagerPath, FileManagerService, method);
    call << QStringList{QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)} << QString();
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, fallback = std::move(fallback)] {
        // ServiceUnknown where no file manager is installed; any other error falls back too.
        if (watcher->isError()) {
            qCInfo(lcFileManager) << watcher->error().name() << watcher->error().message();
            fallback();
        }
        watcher->deleteLater();
    });
}
