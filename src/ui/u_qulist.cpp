#include "ui/u_qulist.h"

#include "collect/file_list.h"
#include "ui/header_fit.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace {
// Widths of the columns Name ... SHA512; 50 where the list keeps its default width.
constexpr int columnWidths[ListColumnCount] = {130, 50,  100, 80, 120, 120, 120, 100,
                                               100, 150, 150, 40, 50,  50,  60,  60};
} // namespace

Qulist::Qulist(FileList &files, QWidget *parent) : QTreeView(parent), m_files(files)
{
    setObjectName(QStringLiteral("qulist"));
    setModel(&files);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(true);
    for (int column = 0; column < ListColumnCount; ++column)
        setColumnWidth(column, columnWidths[column]);
    widenSectionsToCaptions(*header());
    // The captions change with the language.
    connect(&files, &QAbstractItemModel::headerDataChanged, this,
            [this] { widenSectionsToCaptions(*header()); });
}

QList<int> Qulist::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void Qulist::moveSelectedRowsTo(const QPoint &viewportPoint)
{
    const QModelIndex target = indexAt(viewportPoint);
    const QList<int> moved =
        m_files.moveRowsBefore(selectedRowNumbers(), target.isValid() ? target.row() : -1);
    selectionModel()->clearSelection();
    for (int row : moved)
        selectionModel()->select(m_files.index(row, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void Qulist::startDrag(Qt::DropActions)
{
    // The rows move in dropEvent; the drag itself never removes anything.
    const QModelIndexList indexes = selectionModel()->selectedRows();
    if (indexes.isEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(indexes));
    drag->exec(Qt::MoveAction);
}

void Qulist::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore(); // dropped files are the main window's business
}

void Qulist::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void Qulist::dropEvent(QDropEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    moveSelectedRowsTo(event->position().toPoint());
    event->setDropAction(Qt::CopyAction); // nothing for the drag source to remove
    event->accept();
    Q_EMIT rowsMoved();
}

void Qulist::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        Q_EMIT deleteRequested();
        return;
    }
    QTreeView::keyPressEvent(event); // Ctrl+A selects all rows
}

void Qulist::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    Q_EMIT mouseReleased();
}

void Qulist::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    Q_EMIT listDoubleClicked();
}
