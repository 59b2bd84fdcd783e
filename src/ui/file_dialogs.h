#pragma once
// What every file dialog of the program shares: icons and type names chosen by a file's name
// alone. The standard lookup reads a file whose name tells no type, which never returns on
// /proc/kmsg and freezes the program.
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

void chooseTypesByName(QFileDialog &dialog);

// The folder dialog; empty when cancelled.
QString chooseFolder(QWidget *parent, const QString &title, const QString &start);
// The dialog that opens files; empty when cancelled.
QStringList chooseFilesToOpen(QWidget *parent, const QString &title, const QString &filter);
