#pragma once
// The five kinds of desktop entry and their names on the command line.
#include <QString>
#include <optional>

enum class ShellKind {
    Configuration, // .tbx files open with the program
    SendTo,        // the file managers' "Send to" and scripts menus
    Folders,       // the context menu of folders
    AllFiles,      // the context menu of every file
    ChosenTypes,   // the context menu of the types of `beldateien`
};

inline constexpr ShellKind allShellKinds[] = {ShellKind::Configuration, ShellKind::SendTo, ShellKind::Folders,
                                              ShellKind::AllFiles, ShellKind::ChosenTypes};

// "tbx", "sendto", "folders", "files", "types".
QString shellKindName(ShellKind kind);
std::optional<ShellKind> shellKindOfName(const QString &name);
// Every kind but the chosen types can tell whether it is in place.
inline bool hasStatus(ShellKind kind)
{
    return kind != ShellKind::ChosenTypes;
}
