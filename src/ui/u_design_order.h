#pragma once
// The order list des_sp_ordnung: the twelve column kinds from top (leftmost column) to bottom,
// the kinds that are columns in the normal text colour, the others greyed. The move buttons and
// dragging inside the list change the column order at once.
#include "common/settings.h"

#include <QListWidget>

class OrderList : public QListWidget {
    Q_OBJECT
public:
    // Whether the entry's kind is a column, kept per item for painting.
    static constexpr int ActiveRole = Qt::UserRole + 1;

    explicit OrderList(Settings &settings, QWidget *parent = nullptr);

    // Exchange the selected entry with the one above / below; nothing at the list's end.
    void moveSelectedUp();
    void moveSelectedDown();
    // While an entry is dragged over row: the selected entry moves there and stays selected.
    void des_sp_ordnungDragOver(int row);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void fill();
    void paintActivity();
    void moveEntry(int from, int to);

    Settings &m_settings;
};
