#pragma once
// Where the start configuration "Auto.tbx" and the listed tbx files live: the user's
// configuration folder ($XDG_CONFIG_HOME/tabulix), except in a portable setup, where the
// program's own folder holds an "Auto.tbx" or a file named "portable". A system folder is
// never written because the program happens to run with the rights to do so.
#include <QString>
#include <QStringList>

QString configurationFolder();
// The same for a program in the given folder.
QString configurationFolderFor(const QString &programFolder);
QString startConfigurationPath();
// Every "*.tbx" file directly in the folder, sorted by name so every start lists them alike.
QStringList configurationFilesIn(const QString &folder);
