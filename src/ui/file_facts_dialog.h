#pragma once
// A small window with the facts of one row of the file list, for desktops whose file manager
// cannot show a file's properties.
#include <QList>
#include <QString>
#include <utility>

class QAbstractItemModel;
class QWidget;

// Caption and text of each fact, in column order.
using FileFacts = QList<std::pair<QString, QString>>;

// The non-empty cells of a row of a list, each with its column header.
FileFacts rowFacts(const QAbstractItemModel &list, int row);

// Shows the facts without blocking; the window deletes itself when closed.
void showFileFacts(QWidget *parent, const QString &title, const FileFacts &facts);
