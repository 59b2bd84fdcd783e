#pragma once
// Asks the desktop's file manager over D-Bus to show a file in its folder or to show the file's
// properties. Where no file manager answers (no session bus, no such service, an error), the
// nearest thing happens instead, so a click never goes unanswered and never waits.
#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <optional>

class FileManagerLink : public QObject {
    Q_OBJECT
public:
    explicit FileManagerLink(QObject *parent = nullptr);

    // The bus to ask; the session bus unless set.
    void useBus(const QDBusConnection &bus);

    // The file selected in its folder; the fallback opens the folder.
    void showItem(const QString &path);
    // The file manager's properties of the file; the fallback is the caller's.
    void showItemProperties(const QString &path, std::function<void()> fallback);

private:
    void ask(const QString &method, const QString &path, std::function<void()> fallback);

    std::optional<QDBusConnection> m_bus;
};
