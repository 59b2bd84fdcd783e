#include "table/act_array_fill.h"

#include "collect/ordered_workers.h"
#include "common/settings.h"
#include "table/cell_texts.h"
#include "table/column_kinds.h"
#include "table/column_order.h"
#include "table/grouping.h"

namespace {

// Below this many rows one thread is quicker than starting more.
constexpr qsizetype ParallelFrom = 4096;

} // namespace

ActArray outputColumns(const Settings &settings)
{
    const ColumnOrderTable order = ColumnOrderTable::fromSettings(settings);
    ActArray columns;
    for (const ColumnKind kind : order.kindsInOrder()) {
        if (!order.active(kind))
            continue;
        if (kind != ColumnKind::Checksums) {
            const ColumnKindInfo &info = columnKindInfo(kind);
            columns.append({settings.value(*info.header), settings.isOn(*info.rightAlign), kind});
            continue;
        }
        for (int c = 0; c < ChecksumKindCount; ++c) {
            const ChecksumColumnInfo &info = checksumColumnInfo(ChecksumKind(c));
            if (settings.isOn(info.enabling))
                columns.append(
                    {QString::fromUtf8(info.header), settings.isOn(info.rightAlign), kind, info.kind});
        }
    }
    return columns;
}

QString cellOf(const OutputColumn &column, const FileEntry &row, const CellTexts &texts)
{
    return column.kind == ColumnKind::Checksums ? texts.checksumCell(column.checksum, row)
                                                : texts.cellText(column.kind, row);
}

TableCells fillActArray(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &format,
                        OutputFormat output, const std::atomic_bool *stop)
{
    TableCells table;
    table.actArray = outputColumns(settings);
    const bool grouped = settings.isOn(PB::des_grup_ja);
    const CellTexts texts(settings, format, output);

    table.cellTable.resize(rows.size());
    const auto fillRows = [&](int begin, int end, int) {
        if (stop && *stop)
            return;
        for (int i = begin; i < end; ++i) {
            QStringList &cells = table.cellTable[i];
            cells.reserve(table.actArray.size() + 2);
            for (const OutputColumn &column : table.actArray)
                cells.append(cellOf(column, rows[i], texts));
            if (grouped)
                cells << QString() << QString();
        }
    };
    // Rows are independent: long lists are shared out over every core.
    if (texts.threadSafe() && rows.size() >= ParallelFrom)
        runOnAllCores(int(rows.size()), 1024, fillRows);
    else
        fillRows(0, int(rows.size()), 0);

    if (!grouped || rows.empty() || (stop && *stop))
        return table;
    if (const GroupChoice *choice = groupChoiceOf(settings.value(PB::des_grup)))
        sortIntoGroups(table.cellTable, rows, *choice, texts, format);
    return table;
}
