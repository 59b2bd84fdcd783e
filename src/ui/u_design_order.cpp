#include "ui/u_design_order.h"

#include "table/column_kinds.h"
#include "table/column_order.h"
#include "ui/design_sections.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QMimeData>
#include <QStyledItemDelegate>

namespace {

const QString dragFormat = QStringLiteral("application/x-tabulix-column-entry");

// Selected entries stand on the highlight; an inactive one keeps a dimmed text there.
class OrderDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(OrderList::ActiveRole).toBool())
            return;
        const QColor on = option->palette.color(QPalette::Highlight);
        const QColor text = option->palette.color(QPalette::HighlightedText);
        option->palette.setColor(QPalette::HighlightedText,
                                 QColor((on.red() + text.red()) / 2, (on.green() + text.green()) / 2,
                                        (on.blue() + text.blue()) / 2));
    }
};

} // namespace

OrderList::OrderList(Settings &settings, QWidget *parent) : QListWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("des_sp_ordnung"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new OrderDelegate(this));
    setDragDropMode(QAbstractItemView::DragDrop);
    viewport()->setAcceptDrops(true);
    fill();
    // Twelve entries of either language without a scroll bar.
    int widest = 0;
    for (const Language language : {Language::German, Language::English})
        for (const QString &entry : defaultColumnOrder(language))
            widest = qMax(widest, fontMetrics().horizontalAdvance(entry));
    setFixedHeight(sizeHintForRow(0) * count() + 2 * frameWidth() + 2);
    setFixedWidth(widest + 2 * frameWidth() + 12);

    connect(&m_settings, &Settings::columnOrderChanged, this, &OrderList::fill);
    connect(&m_settings, &Settings::changed, this, [this](SettingId id) {
        if (kindOfActivation(id))
            paintActivity();
    });
}

void OrderList::fill()
{
    const QStringList entries = m_settings.columnOrder();
    while (count() > entries.size())
        delete takeItem(count() - 1);
    while (count() < entries.size())
        addItem(QString());
    for (int row = 0; row < entries.size(); ++row)
        item(row)->setText(entries.at(row));
    paintActivity();
}

void OrderList::paintActivity()
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem *entry = item(row);
        const std::optional<ColumnKind> kind = kindOfOrderItem(entry->text());
        const bool active = kind && m_settings.isOn(columnKindInfo(*kind).activation);
        entry->setData(ActiveRole, active);
        entry->setForeground(active ? palette().color(QPalette::Active, QPalette::Text)
                                    : palette().color(QPalette::Disabled, QPalette::Text));
    }
}

void OrderList::moveEntry(int from, int to)
{
    QStringList entries = m_settings.columnOrder();
    entries.move(from, to);
    m_settings.setColumnOrder(entries);
    setCurrentRow(to);
}

void OrderList::moveSelectedUp()
{
    const int selected = currentRow();
    if (selected >= 1)
        moveEntry(selected, selected - 1);
}

void OrderList::moveSelectedDown()
{
    const int selected = currentRow();
    if (selected >= 0 && selected < count() - 1)
        moveEntry(selected, selected + 1);
}

void OrderList::des_sp_ordnungDragOver(int row)
{
    const int selected = currentRow();
    if (selected >= 0 && row >= 0 && row < count() && row != selected)
        moveEntry(selected, row);
}

void OrderList::startDrag(Qt::DropActions)
{
    if (currentRow() < 0)
        return;
    // The entry moves while it is dragged; the drop itself has nothing left to do.
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData;
    mime->setData(dragFormat, QByteArray::number(currentRow()));
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
}

void OrderList::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void OrderList::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    des_sp_ordnungDragOver(indexAt(event->position().toPoint()).row());
    event->acceptProposedAction();
}

void OrderList::dropEvent(QDropEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}
