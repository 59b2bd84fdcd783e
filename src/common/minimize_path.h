#pragma once
// Shortens a path for display: whole leading folders give way to ".../" until the text fits.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

// The font paths are shortened in where no window's font applies, above all the shortened path
// column of a table, whose bytes it decides: DejaVu Sans Book, 11 pixels high, without hinting,
// read from the file its package installs. "Tahoma", which it stands for, is whatever font the
// desktop puts in its place; a font named outright and read from its own file stays the same
// whatever else is installed, and no hinting set on the desktop rounds its widths.
QFont measuringFont();

// The folder parts a shortened path tries in turn, longest first: the folder itself, then
// with its leading folders giving way one by one to ".../" (/a/b/c/, /.../b/c/, /.../c/,
// /.../, .../). After the last one comes the bare name.
QStringList folderSteps(const QString &folder);

// The path shortened step by step (/a/b/c/n, /.../b/c/n, /.../c/n, /.../n, .../n, n) until
// textWidth of it is at most maxWidth; the last step is returned even when it does not fit.
QString minimizePath(const QString &path, int maxWidth, const std::function<int(const QString &)> &textWidth);

// The same, measured in the measuring font.
QString minimizePath(const QString &path, int maxWidth);
