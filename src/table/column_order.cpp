#include "table/column_order.h"

#include "common/settings.h"
#include "table/column_kinds.h"

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<ColumnKind> kindOfOrderItem(const QString &item)
{
    if (item.size() < 2 || !isAsciiDigit(item[0]) || !isAsciiDigit(item[1]))
        return std::nullopt;
    const int number = (item[0].unicode() - u'0') * 10 + (item[1].unicode() - u'0');
    if (number < 1 || number > ColumnKindCount)
        return std::nullopt;
    return ColumnKind(number);
}

std::optional<ColumnPositions> orderPositions(const QStringList &items)
{
    if (items.size() != ColumnKindCount)
        return std::nullopt;
    ColumnPositions positions;
    positions.fill(-1);
    for (int i = 0; i < ColumnKindCount; ++i) {
        const std::optional<ColumnKind> kind = kindOfOrderItem(items[i]);
        if (!kind || positions[int(*kind) - 1] >= 0)
            return std::nullopt;
        positions[int(*kind) - 1] = i;
    }
    return positions;
}

ColumnOrderTable ColumnOrderTable::fromSettings(const Settings &settings)
{
    ColumnOrderTable table;
    const std::optional<ColumnPositions> positions = orderPositions(settings.columnOrder());
    for (int i = 0; i < ColumnKindCount; ++i) {
        const ColumnKind kind = ColumnKind(i + 1);
        table.m_positions[i] = positions ? (*positions)[i] : i;
        table.m_active[i] = settings.isOn(columnKindInfo(kind).activation);
    }
    return table;
}

std::array<ColumnKind, ColumnKindCount> ColumnOrderTable::kindsInOrder() const
{
    std::array<ColumnKind, ColumnKindCount> kinds{};
    for (int i = 0; i < ColumnKindCount; ++i)
        kinds[m_positions[i]] = ColumnKind(i + 1);
    return kinds;
}
