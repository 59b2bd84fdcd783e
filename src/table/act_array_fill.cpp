#include "table/act_array_fill.h"

#include "common/settings.h"
#include "table/cell_texts.h"
#include "table/column_kinds.h"
#include "table/column_order.h"
#include "table/grouping.h"

namespace {

bool on(const Settings &settings, const char *name)
{
    return settings.isOn(SettingsWindow::PB, QString::fromUtf8(name));
}

ActArray outputColumns(const Settings &settings)
{
    const ColumnOrderTable order = ColumnOrderTable::fromSettings(settings);
    ActArray columns;
    for (const ColumnKind kind : order.kindsInOrder()) {
        if (!order.active(kind))
            continue;
        if (kind != ColumnKind::Checksums) {
            const ColumnKindInfo &info = columnKindInfo(kind);
            columns.append({settings.value(SettingsWindow::PB, QString::fromUtf8(info.header)),
                            on(settings, info.rightAlign), kind});
            continue;
        }
        for (int c = 0; c < ChecksumKindCount; ++c) {
            const ChecksumColumnInfo &info = checksumColumnInfo(ChecksumKind(c));
            if (on(settings, info.enabling))
                columns.append(
                    {QString::fromUtf8(info.header), on(settings, info.rightAlign), kind, info.kind});
        }
    }
    return columns;
}

QString cellOf(const OutputColumn &column, const FileEntry &row, const CellTexts &texts)
{
    return column.kind == ColumnKind::Checksums ? texts.checksumCell(column.checksum, row)
                                                : texts.cellText(column.kind, row);
}

} // namespace

TableCells fillActArray(const QVector<FileEntry> &rows, const Settings &settings, const LocaleFormat &format,
                        OutputFormat output)
{
    TableCells table;
    table.actArray = outputColumns(settings);
    const bool grouped = on(settings, "des_grup_ja");
    const CellTexts texts(settings, format, output);

    table.cellTable.reserve(rows.size());
    for (const FileEntry &row : rows) {
        QStringList cells;
        cells.reserve(table.actArray.size() + 2);
        for (const OutputColumn &column : table.actArray)
            cells.append(cellOf(column, row, texts));
        if (grouped)
            cells << QString() << QString();
        table.cellTable.append(std::move(cells));
    }

    if (!grouped || rows.isEmpty())
        return table;
    if (const GroupChoice *choice =
            groupChoiceOf(settings.value(SettingsWindow::PB, QStringLiteral("des_grup"))))
        sortIntoGroups(table.cellTable, rows, *choice, texts, format);
    return table;
}
