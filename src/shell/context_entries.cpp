// The context menus of folders, of all files and of chosen types: a Dolphin service menu, a
// Nemo action, a Thunar custom action and a Caja (file manager actions) entry for each kind.
// Nautilus has no such entries; its scripts menu from "Send to" serves it.
#include "common/tabulix_error.h"
#include "shell/chosen_types.h"
#include "shell/desktop_integration.h"
#include "shell/entry_command.h"
#include "shell/entry_files.h"
#include "shell/shell_texts.h"
#include "shell/thunar_actions.h"

#include <QFileInfo>

namespace {

const QString verb = QString::fromUtf8(verbKeyName);
const QString dolphinGroup = QStringLiteral("Desktop Action ") + verb;
const QString nemoGroup = QStringLiteral("Nemo Action");
const QString cajaGroup = QStringLiteral("X-Action-Profile main");
const QString thunarFileKinds =
    QStringLiteral("<audio-files/><image-files/><other-files/><text-files/><video-files/>");

// Which items an entry appears for, in the terms of each file manager.
struct Selection {
    QStringList mimeTypes;  // Dolphin and Caja; none: they get no entry
    QString nemoExtensions; // "dir", "nodirs" or the extensions without their dots
    QString thunarConditions;
};

Selection selectionOf(ShellKind kind, const QStringList &extensions)
{
    if (kind == ShellKind::Folders)
        return {{QStringLiteral("inode/directory")},
                QStringLiteral("dir;"),
                QStringLiteral("<patterns>*</patterns><directories/>")};
    if (kind == ShellKind::AllFiles)
        return {{QStringLiteral("all/allfiles")},
                QStringLiteral("nodirs;"),
                QStringLiteral("<patterns>*</patterns>") + thunarFileKinds};
    Selection selection;
    QStringList patterns;
    for (const QString &extension : extensions) {
        for (const QString &type : mimeTypesOfExtension(extension)) {
            if (!selection.mimeTypes.contains(type))
                selection.mimeTypes.append(type);
        }
        selection.nemoExtensions += extension.mid(1) + u';';
        patterns.append(u'*' + extension);
    }
    selection.thunarConditions = QStringLiteral("<patterns>") + patterns.join(u';').toHtmlEscaped() +
                                 QStringLiteral("</patterns>") + thunarFileKinds;
    return selection;
}

QString dolphinEntry(const QString &text, const QString &command, const QStringList &mimeTypes)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Service\n"
                          "MimeType=%1;\n"
                          "Actions=%2;\n"
                          "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                          "\n"
                          "[%3]\n"
                          "Name=%4\n"
                          "Icon=tabulix\n"
                          "Exec=%5\n")
        .arg(mimeTypes.join(u';'), verb, dolphinGroup, text, keyFileEscaped(command));
}

QString nemoAction(const QString &text, const QString &command, const QString &extensions)
{
    return QStringLiteral("[%1]\n"
                          "Name=%2\n"
                          "Comment=%2\n"
                          "Exec=%3\n"
                          "Icon-Name=tabulix\n"
                          "Selection=notnone\n"
                          // Nemo puts paths in unquoted unless told.
                          "Quote=double\n"
                          "Extensions=%4\n")
        .arg(nemoGroup, text, keyFileEscaped(command), extensions);
}

QString cajaAction(const QString &text, const QString &command, const QStringList &mimeTypes)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Action\n"
                          "Name=%1\n"
                          "Icon=tabulix\n"
                          "Profiles=main;\n"
                          "\n"
                          "[%2]\n"
                          "Name=%1\n"
                          "Exec=%3\n"
                          "MimeTypes=%4;\n")
        .arg(text, cajaGroup, keyFileEscaped(command), mimeTypes.join(u';'));
}

QString thunarId(ShellKind kind)
{
    return verb + u'-' + shellKindName(kind);
}

// Thunar reads the first uca.xml it finds, the user's before the system's: a user's file made
// from nothing would hide the system's actions, so it starts as a copy of them.
QString systemThunarActions()
{
    const QStringList folders =
        qEnvironmentVariable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")).split(u':', Qt::SkipEmptyParts);
    for (const QString &folder : folders) {
        const QString text = readEntryFile(folder + QStringLiteral("/Thunar/uca.xml"));
        if (!text.isEmpty())
            return text;
    }
    return {};
}

} // namespace

QString ShellIntegration::thunarActionsPath() const
{
    return m_folders.config + QStringLiteral("/Thunar/uca.xml");
}

QStringList ShellIntegration::contextEntryPaths(ShellKind kind) const
{
    const QString name = QStringLiteral("tabulix-") + shellKindName(kind);
    return {m_folders.data + QStringLiteral("/kio/servicemenus/") + name + QStringLiteral(".desktop"),
            m_folders.data + QStringLiteral("/nemo/actions/") + name + QStringLiteral(".nemo_action"),
            m_folders.data + QStringLiteral("/file-manager/actions/") + name + QStringLiteral(".desktop")};
}

void ShellIntegration::addContextEntries(ShellKind kind, Language language, const QStringList &extensions)
{
    // Chosen types that name no usable extension get no entries; the ones from before stay.
    if (kind == ShellKind::ChosenTypes && extensions.isEmpty())
        throw TabulixError(
            QStringLiteral("The chosen file types name no usable extension; nothing was added."));
    const QString command = entryCommand(m_programPath);
    const QString text = contextMenuText.in(language);
    const Selection selection = selectionOf(kind, extensions);
    const QStringList paths = contextEntryPaths(kind);
    if (selection.mimeTypes.isEmpty()) {
        removeOwnFile(paths[0]);
        removeOwnFile(paths[2]);
    } else {
        writeEntryFile(paths[0], dolphinEntry(text, command, selection.mimeTypes), true);
        writeEntryFile(paths[2], cajaAction(text, command, selection.mimeTypes));
    }
    writeEntryFile(paths[1], nemoAction(text, command, selection.nemoExtensions));
    QString actions = readEditedFile(thunarActionsPath());
    if (!QFileInfo::exists(thunarActionsPath()))
        actions = systemThunarActions();
    writeEntryFile(thunarActionsPath(),
                   withThunarAction(actions, {thunarId(kind), text, command, selection.thunarConditions}));
}

void ShellIntegration::removeContextEntries(ShellKind kind)
{
    const QString actions = readEditedFile(thunarActionsPath());
    for (const QString &path : contextEntryPaths(kind))
        removeOwnFile(path);
    const QString rest = withoutThunarAction(actions, thunarId(kind));
    if (rest == actions)
        return;
    // What is left of a file that add made is the system's, which Thunar reads by itself.
    const bool onlySystemActions = rest == systemThunarActions() || rest == emptyThunarActions();
    if (onlySystemActions)
        removeOwnFile(thunarActionsPath());
    else
        writeEntryFile(thunarActionsPath(), rest);
}

bool ShellIntegration::contextEntriesActive(ShellKind kind) const
{
    QString command;
    try {
        command = entryCommand(m_programPath);
    } catch (const TabulixError &) {
        return false; // a path no entry can name is never the one in place
    }
    const QStringList paths = contextEntryPaths(kind);
    const QString groups[] = {dolphinGroup, nemoGroup, cajaGroup};
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (keyFileEntry(readEntryFile(paths[i]), groups[i], QStringLiteral("Exec")) != command)
            return false;
    }
    return thunarActionCommand(readEntryFile(thunarActionsPath()), thunarId(kind)) == command;
}
