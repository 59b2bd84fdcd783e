#pragma once
// Where each column kind stands and whether it is a column: the order list `des_sp_ordnung`
// and the activation checks, read afresh from the settings whenever they are needed.
#include "table/act_array.h"

#include <QStringList>
#include <array>
#include <optional>

class Settings;

// The kind an order-list item stands for: its first two characters read as 01 to 12.
std::optional<ColumnKind> kindOfOrderItem(const QString &item);

// Index = kind number - 1, value = the kind's place in the list (0 = leftmost). None when the
// list is damaged: not twelve items, an item without a kind number, or a number twice.
using ColumnPositions = std::array<int, ColumnKindCount>;
std::optional<ColumnPositions> orderPositions(const QStringList &items);

class ColumnOrderTable {
public:
    // A damaged order list (only a damaged configuration makes one) gives the order 01 to 12.
    static ColumnOrderTable fromSettings(const Settings &settings);

    int position(ColumnKind kind) const { return m_positions[int(kind) - 1]; }
    bool active(ColumnKind kind) const { return m_active[int(kind) - 1]; }
    // All twelve kinds from left to right, active or not.
    std::array<ColumnKind, ColumnKindCount> kindsInOrder() const;

private:
    ColumnPositions m_positions{};
    std::array<bool, ColumnKindCount> m_active{};
};
