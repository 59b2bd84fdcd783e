#pragma once
// Files on the clipboard in the forms the desktop's file managers paste: a URI list, the
// GNOME form ("copy" and one URL per line), the KDE mark that they were copied, not cut, and
// the paths as plain text for everything else.
#include <QStringList>
#include <memory>

class QMimeData;

// The paths of the selected rows that go to the clipboard: a single row only while it names an
// existing file; several rows all of them, in list order, unchecked.
QStringList pathsToCopy(const QStringList &selectedPaths);

// The clipboard data for these paths, taken as they are.
std::unique_ptr<QMimeData> copiedFilesData(const QStringList &paths);
