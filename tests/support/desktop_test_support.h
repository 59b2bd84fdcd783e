#pragma once
// A user's desktop in a temporary folder: home, data and configuration folders, and a stand-in
// for the desktop program at a path with a blank, which the desktop's tools can start.
#include "shell/desktop_integration.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcessEnvironment>
#include <QTemporaryDir>

struct TemporaryDesktop {
    TemporaryDesktop()
    {
        QDir().mkpath(home());
        QDir().mkpath(folderPart(program()));
        QFile script(program());
        if (script.open(QIODevice::WriteOnly))
            script.write("#!/bin/sh\nexit 0\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
    static QString folderPart(const QString &path) { return path.left(path.lastIndexOf(u'/')); }
    QString home() const { return root.filePath(QStringLiteral("home")); }
    QString data() const { return home() + QStringLiteral("/.local/share"); }
    QString config() const { return home() + QStringLiteral("/.config"); }
    QString program() const { return root.filePath(QStringLiteral("Meine Programme/tabulix")); }
    DesktopFolders folders() const { return {data(), config()}; }
    ShellIntegration shell() const { return ShellIntegration(folders(), program()); }

    // The environment of a process that should see this desktop as the user's.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
        environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share"));
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), QStringLiteral("/etc/xdg"));
        // No desktop is running: the tools answer from the files alone.
        environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        environment.remove(QStringLiteral("DESKTOP_SESSION"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        return environment;
    }

    // Every file below home with its content, and every empty folder, but the caches the
    // desktop's tools build from what we write.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> found;
        QDirIterator it(home(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(home().size() + 1);
            if (it.fileInfo().isDir()) {
                // The user's data and configuration folders and the type database's are the
                // desktop's, wherever they came from.
                const bool desktopsFolder = path == data() || path == config() ||
                                            data().startsWith(path + u'/') ||
                                            relative.startsWith(QStringLiteral(".local/share/mime/"));
                if (!desktopsFolder &&
                    QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
                    found.insert(relative, QByteArray("<empty folder>"));
                continue;
            }
            const bool mimeCache = relative.startsWith(QStringLiteral(".local/share/mime/")) &&
                                   !relative.startsWith(QStringLiteral(".local/share/mime/packages/"));
            const bool toolCache =
                mimeCache || relative == QStringLiteral(".local/share/applications/mimeinfo.cache");
            if (toolCache)
                continue;
            QFile file(path);
            found.insert(relative,
                         file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
        }
        return found;
    }

    QTemporaryDir root;
};

inline void writeTestFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
