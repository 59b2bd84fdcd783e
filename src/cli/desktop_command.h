#pragma once
// `tabulix-cli desktop status|add KIND|remove KIND`: the shortcuts window's work without a window.
#include <QString>
#include <QStringList>

class Settings;

// The first operand that makes the rest a desktop command.
inline constexpr char desktopCommandName[] = "desktop";

struct DesktopCommandResult {
    int exitCode = 0; // as every run of tabulix-cli: 0 done, 1 not written, 2 wrong usage
    QString output;   // for standard output
    QString error;    // the reason of exit codes 1 and 2
};

// Runs the words after "desktop" for the user's desktop, in the language and with the
// `beldateien` of the settings.
DesktopCommandResult runDesktopCommand(const QStringList &words, const Settings &settings);
