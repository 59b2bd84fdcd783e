// .tbx files: a MIME type of their own, an application entry that opens them with the program,
// and that entry as the type's default.
#include "common/tabulix_error.h"
#include "shell/desktop_integration.h"
#include "shell/entry_command.h"
#include "shell/entry_files.h"
#include "shell/mimeapps_list.h"
#include "shell/shell_texts.h"

#include <QFileInfo>

namespace {

const QString mimeType = QString::fromUtf8(configurationMimeType);
const QString entryId = QString::fromUtf8(configurationEntryId);

QString mimePackage(Language language)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <generic-icon name=\"text-x-generic\"/>\n"
                          "    <glob pattern=\"*.tbx\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(mimeType, configurationTypeName.in(language).toHtmlEscaped());
}

QString applicationEntry(Language language, const QString &command)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.4\n"
                          "Name=%1\n"
                          "Icon=tabulix\n"
                          "Exec=%2\n"
                          "MimeType=%3;\n"
                          "NoDisplay=true\n"
                          "Terminal=false\n")
        .arg(configurationTypeName.in(language), keyFileEscaped(command), mimeType);
}

} // namespace

QString ShellIntegration::mimePackagePath() const
{
    return m_folders.data + QStringLiteral("/mime/packages/tabulix-configuration.xml");
}

QString ShellIntegration::configurationEntryPath() const
{
    return m_folders.data + QStringLiteral("/applications/") + entryId;
}

QString ShellIntegration::mimeappsListPath() const
{
    return m_folders.config + QStringLiteral("/mimeapps.list");
}

void ShellIntegration::addConfiguration(Language language)
{
    const QString command = entryCommand(m_programPath);
    writeEntryFile(mimePackagePath(), mimePackage(language));
    writeEntryFile(configurationEntryPath(), applicationEntry(language, command));
    const QString list = readEditedFile(mimeappsListPath());
    writeEntryFile(mimeappsListPath(), withDefaultApplication(list, mimeType, entryId));
    runDesktopTool(QStringLiteral("update-mime-database"), {m_folders.data + QStringLiteral("/mime")});
    runDesktopTool(QStringLiteral("update-desktop-database"),
                   {m_folders.data + QStringLiteral("/applications")});
}

void ShellIntegration::removeConfiguration()
{
    const QString list = readEditedFile(mimeappsListPath());
    const QString rest = withoutDefaultApplication(list, mimeType, entryId);
    // A list that held nothing but our line was ours alone.
    if (rest.isEmpty() && !list.isEmpty())
        removeEntryFile(mimeappsListPath());
    else if (rest != list)
        writeEntryFile(mimeappsListPath(), rest);
    const bool hadPackage = QFileInfo::exists(mimePackagePath());
    const bool hadEntry = QFileInfo::exists(configurationEntryPath());
    removeEntryFile(configurationEntryPath());
    removeEntryFile(mimePackagePath());
    if (hadPackage)
        runDesktopTool(QStringLiteral("update-mime-database"), {m_folders.data + QStringLiteral("/mime")});
    if (hadEntry)
        runDesktopTool(QStringLiteral("update-desktop-database"),
                       {m_folders.data + QStringLiteral("/applications")});
}

bool ShellIntegration::configurationActive() const
{
    if (!QFileInfo(mimePackagePath()).isFile())
        return false;
    const QString entry = readEntryFile(configurationEntryPath());
    try {
        return keyFileEntry(entry, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")) ==
               entryCommand(m_programPath);
    } catch (const TabulixError &) {
        return false; // a path no entry can name is never the one in place
    }
}
