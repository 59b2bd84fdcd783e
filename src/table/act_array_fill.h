#pragma once
// One refresh's columns and cells: the active kinds in the order of the order list, kind 12
// spread into its enabled checksum sub-columns, every cell's text and, with grouping, the
// group cells and the group order.
#include "collect/file_entry.h"
#include "common/locale_format.h"
#include "table/act_array.h"
#include "table/output_format.h"

#include <QVector>
#include <atomic>
#include <span>

class CellTexts;
class Settings;

// The output columns: the active kinds in the order of the order list, kind 12 spread into
// its enabled checksum sub-columns.
ActArray outputColumns(const Settings &settings);
// The text of one cell as the output writes it.
QString cellOf(const OutputColumn &column, const FileEntry &row, const CellTexts &texts);

struct TableCells {
    ActArray actArray;
    CellTable cellTable;
};

// `rows` in the list's display order. With grouping chosen every row gets the two group cells;
// they stay empty when the group choice names no known fact, and the rows keep their order.
// When stop is set on the way, the cells are left unfinished: the caller drops them.
TableCells fillActArray(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &format,
                        OutputFormat output, const std::atomic_bool *stop = nullptr);
