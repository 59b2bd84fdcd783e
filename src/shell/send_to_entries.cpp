// "Send to": Thunar's send-to menu, and the scripts menus of Nautilus, Nemo and Caja, each
// starting the program with the selected items as its arguments.
#include "shell/desktop_integration.h"
#include "shell/entry_command.h"
#include "shell/entry_files.h"
#include "shell/shell_texts.h"

namespace {

const QString name = QString::fromUtf8(sendToName);

QString thunarSendToEntry(const QString &command)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.4\n"
                          "Name=%1\n"
                          "Icon=tabulix\n"
                          "Exec=%2\n"
                          "Terminal=false\n")
        .arg(name, keyFileEscaped(command));
}

} // namespace

QStringList ShellIntegration::sendToPaths() const
{
    return {m_folders.data + QStringLiteral("/Thunar/sendto/tabulix.desktop"),
            m_folders.data + QStringLiteral("/nautilus/scripts/") + name,
            m_folders.data + QStringLiteral("/nemo/scripts/") + name,
            m_folders.config + QStringLiteral("/caja/scripts/") + name};
}

void ShellIntegration::addSendTo()
{
    const QStringList paths = sendToPaths();
    writeEntryFile(paths.first(), thunarSendToEntry(entryCommand(m_programPath)));
    const QString script = startScript(m_programPath);
    for (qsizetype i = 1; i < paths.size(); ++i)
        writeEntryFile(paths[i], script, true);
}

void ShellIntegration::removeSendTo()
{
    for (const QString &path : sendToPaths())
        removeOwnFile(path);
}
