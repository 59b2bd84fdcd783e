#pragma once
// `tabulix-cli rename`: the renaming tool's work over the same core as its window.
#include <QStringList>

class StandardOutput;

// Runs the subcommand with the arguments after "rename". Wrong usage throws TabulixError with
// the reason before the held Qt messages are released; otherwise returns 0, or 1 when an entry ended "Datei existiert" or "Fehler", a
// path or configuration could not be read, or the output could not be written.
int runRenameCommand(const QStringList &arguments, const StandardOutput &out);
