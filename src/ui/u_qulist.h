#pragma once
// The list view `qulist`: whole rows, several selectable, rows moved by dragging them
// inside the list; files dropped from elsewhere go on to the main window.
#include <QTreeView>

class FileList;

class Qulist : public QTreeView {
    Q_OBJECT
public:
    explicit Qulist(FileList &files, QWidget *parent = nullptr);

    QList<int> selectedRowNumbers() const;
    // Moves the selected rows before the row at the viewport point (to the end below the
    // last row); they stay selected.
    void moveSelectedRowsTo(const QPoint &viewportPoint);

Q_SIGNALS:
    void deleteRequested();
    void mouseReleased();
    void rowsMoved();
    // A double-click anywhere in the list, on a row or below the last one.
    void listDoubleClicked();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    FileList &m_files;
};
