#pragma once
// The command line the desktop's entries start the program with, in the forms the desktops
// read: the Exec form of desktop entries (also used by file manager actions) and a shell script.
#include <QString>

// The program's absolute path in double quotes, with " ` $ \ escaped and % doubled, followed
// by " %F": the selected items become the arguments. Throws TabulixError for a path that is
// not absolute or holds a control character, which no desktop entry can carry.
QString entryCommand(const QString &programPath);

// A shell script that starts the program with the script's arguments.
QString startScript(const QString &programPath);

// A value as a desktop entry stores it: every "\" doubled.
QString keyFileEscaped(const QString &value);

// The value of key in [group] of a desktop entry's text, its escapes undone; empty when the
// group or key is missing.
QString keyFileEntry(const QString &text, const QString &group, const QString &key);
