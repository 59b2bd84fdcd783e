#pragma once
// Shortens a path for display: whole leading folders give way to ".../" until the text fits.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

// The main window's interface font: "Tahoma", 11 pixels high, regular.
QFont interfaceFont();

// The folder parts a shortened path tries in turn, longest first: the folder itself, then
// with its leading folders giving way one by one to ".../" (/a/b/c/, /.../b/c/, /.../c/,
// /.../, .../). After the last one comes the bare name.
QStringList folderSteps(const QString &folder);

// The path shortened step by step (/a/b/c/n, /.../b/c/n, /.../c/n, /.../n, .../n, n) until
// textWidth of it is at most maxWidth; the last step is returned even when it does not fit.
QString minimizePath(const QString &path, int maxWidth, const std::function<int(const QString &)> &textWidth);

// The same, measured in the interface font.
QString minimizePath(const QString &path, int maxWidth);
