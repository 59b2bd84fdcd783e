#include "shell/shell_kinds.h"

namespace {

struct KindName {
    ShellKind kind;
    const char *name;
};

constexpr KindName kindNames[] = {{ShellKind::Configuration, "tbx"},
                                  {ShellKind::SendTo, "sendto"},
                                  {ShellKind::Folders, "folders"},
                                  {ShellKind::AllFiles, "files"},
                                  {ShellKind::ChosenTypes, "types"}};

} // namespace

QString shellKindName(ShellKind kind)
{
    for (const KindName &entry : kindNames) {
        if (entry.kind == kind)
            return QString::fromUtf8(entry.name);
    }
    return {};
}

std::optional<ShellKind> shellKindOfName(const QString &name)
{
    for (const KindName &entry : kindNames) {
        if (name == QLatin1String(entry.name))
            return entry.kind;
    }
    return std::nullopt;
}
