#pragma once
// Where the start configuration "Auto.tbx" and the listed tbx files live: beside the program
// when that folder is writable (build tree, portable use), otherwise in the user's
// configuration folder.
#include <QString>
#include <QStringList>

QString configurationFolder();
QString startConfigurationPath();
// Every "*.tbx" file directly in the folder, sorted by name so every start lists them alike.
QStringList configurationFilesIn(const QString &folder);
