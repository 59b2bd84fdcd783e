#include "desktop_command.h"

#include "common/settings.h"
#include "common/tabulix_error.h"
#include "shell/desktop_integration.h"
#include "shell/shell_texts.h"

namespace {

QString kindList()
{
    QStringList names;
    for (const ShellKind kind : allShellKinds)
        names.append(shellKindName(kind));
    return names.join(QStringLiteral(", "));
}

DesktopCommandResult usage(const QString &reason)
{
    return {2, {}, reason};
}

QString statusLines(const ShellIntegration &shell, Language language)
{
    QString lines;
    for (const ShellKind kind : allShellKinds) {
        if (hasStatus(kind))
            lines += shellKindName(kind) + u'\t' +
                     (shell.isActive(kind) ? activeText : inactiveText).in(language) + u'\n';
    }
    return lines;
}

} // namespace

DesktopCommandResult runDesktopCommand(const QStringList &words, const Settings &settings)
{
    if (words.isEmpty())
        return usage(QStringLiteral("desktop needs status, add KIND or remove KIND"));
    const QString &action = words.first();
    ShellIntegration shell(DesktopFolders::ofUser(), desktopProgramPath());
    if (action == u"status") {
        if (words.size() != 1)
            return usage(QStringLiteral("desktop status takes no further operand"));
        return {0, statusLines(shell, settings.language()), {}};
    }
    if (action != u"add" && action != u"remove")
        return usage(QStringLiteral("unknown desktop command \"%1\"; use status, add or remove").arg(action));
    if (words.size() != 2)
        return usage(QStringLiteral("desktop %1 needs one KIND: %2").arg(action, kindList()));
    const std::optional<ShellKind> kind = shellKindOfName(words[1]);
    if (!kind)
        return usage(QStringLiteral("unknown KIND \"%1\"; use one of %2").arg(words[1], kindList()));
    try {
        if (action == u"add")
            shell.add(*kind, settings.language(), settings.value(SC::beldateien));
        else
            shell.remove(*kind);
    } catch (const TabulixError &error) {
        return {1, {}, error.message()};
    }
    return {};
}
