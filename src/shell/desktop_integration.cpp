#include "shell/desktop_integration.h"

#include "shell/chosen_types.h"
#include "shell/entry_files.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {
const QString desktopProgramName = QStringLiteral("tabulix");
}

DesktopFolders DesktopFolders::ofUser()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

QString desktopProgramPath()
{
    const QString self = QCoreApplication::applicationFilePath();
    if (QFileInfo(self).fileName() == desktopProgramName)
        return self;
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + desktopProgramName;
    if (QFileInfo(beside).isExecutable())
        return beside;
    const QString onPath = QStandardPaths::findExecutable(desktopProgramName);
    return onPath.isEmpty() ? beside : onPath;
}

bool runsAsAdministrator()
{
    return geteuid() == 0;
}

ShellIntegration::ShellIntegration(DesktopFolders folders, QString programPath)
    : m_folders(std::move(folders)), m_programPath(std::move(programPath))
{
}

void ShellIntegration::add(ShellKind kind, Language language, const QString &beldateien)
{
    switch (kind) {
    case ShellKind::Configuration:
        addConfiguration(language);
        break;
    case ShellKind::SendTo:
        addSendTo();
        break;
    case ShellKind::Folders:
    case ShellKind::AllFiles:
        addContextEntries(kind, language, {});
        break;
    case ShellKind::ChosenTypes:
        addContextEntries(kind, language, chosenExtensions(beldateien));
        break;
    }
}

void ShellIntegration::remove(ShellKind kind)
{
    switch (kind) {
    case ShellKind::Configuration:
        removeConfiguration();
        break;
    case ShellKind::SendTo:
        removeSendTo();
        break;
    case ShellKind::Folders:
    case ShellKind::AllFiles:
    case ShellKind::ChosenTypes:
        removeContextEntries(kind);
        break;
    }
}

void ShellIntegration::removeOwnFile(const QString &path) const
{
    removeEntryFileWithFolders(path, {m_folders.data, m_folders.config});
}

bool ShellIntegration::isActive(ShellKind kind) const
{
    switch (kind) {
    case ShellKind::Configuration:
        return configurationActive();
    case ShellKind::SendTo: {
        const QStringList paths = sendToPaths();
        return std::all_of(paths.cbegin(), paths.cend(),
                           [](const QString &path) { return QFileInfo(path).isFile(); });
    }
    case ShellKind::Folders:
    case ShellKind::AllFiles:
        return contextEntriesActive(kind);
    case ShellKind::ChosenTypes:
        break;
    }
    return false;
}
