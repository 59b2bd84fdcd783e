#pragma once
// The program's entries on a freedesktop desktop, for the user alone: .tbx files open with it,
// the file managers' "Send to" and scripts menus start it, and their context menus of folders,
// of all files and of chosen types add the items to it. Nothing needs administrator rights.
#include "common/language.h"
#include "shell/shell_kinds.h"

#include <QString>
#include <QStringList>

// The user's data and configuration folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME).
struct DesktopFolders {
    QString data;
    QString config;

    static DesktopFolders ofUser();
};

// The desktop program the entries start: this program when it is the desktop program, else
// "tabulix" beside it, else the one found on PATH.
QString desktopProgramPath();

// Whether the program runs with the rights of root.
bool runsAsAdministrator();

class ShellIntegration {
public:
    ShellIntegration(DesktopFolders folders, QString programPath);

    // Writes the entries of the kind in the language's texts, replacing ours from before; the
    // chosen types are those `beldateien` names. Throws TabulixError with the reason when a
    // file cannot be written, or when `beldateien` names no usable extension; what was written
    // before stays.
    void add(ShellKind kind, Language language, const QString &beldateien = QString());
    // Deletes what add wrote for the kind, and nothing of the user's. Throws TabulixError when a
    // file cannot be changed.
    void remove(ShellKind kind);
    // Whether the entries of the kind are in place and start this program's path exactly;
    // "Send to" only asks whether its files exist. Always false for the chosen types.
    bool isActive(ShellKind kind) const;

    const DesktopFolders &folders() const { return m_folders; }
    const QString &programPath() const { return m_programPath; }

    // The files each kind writes, for those who look at them.
    QString mimePackagePath() const;
    QString configurationEntryPath() const;
    QString mimeappsListPath() const;
    QStringList sendToPaths() const;
    QString thunarActionsPath() const;
    QStringList contextEntryPaths(ShellKind kind) const; // Dolphin, Nemo, Caja; Thunar's are in one file

private:
    void addConfiguration(Language language);
    void removeConfiguration();
    bool configurationActive() const;
    void addSendTo();
    void removeSendTo();
    void addContextEntries(ShellKind kind, Language language, const QStringList &extensions);
    void removeContextEntries(ShellKind kind);
    bool contextEntriesActive(ShellKind kind) const;
    // Deletes a file add wrote for a file manager, and the folders that held only it. The type
    // database's and the applications' folders belong to the desktop's tools and stay.
    void removeOwnFile(const QString &path) const;

    DesktopFolders m_folders;
    QString m_programPath;
};

// The MIME type of configuration files and the name of the entry that opens them.
inline constexpr char configurationMimeType[] = "application/x-tabulix-configuration";
inline constexpr char configurationEntryId[] = "tabulix-configuration.desktop";
