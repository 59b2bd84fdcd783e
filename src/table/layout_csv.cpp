// The CSV layout: the output cells of every row, with separator, end text and enclosure.
#include "collect/ordered_workers.h"
#include "table/csv_field.h"
#include "table/layout_parts.h"

QStringList csvLayout(const LayoutInput &in)
{
    const auto withTabs = [](QString text) {
        return text.replace(QStringLiteral("%tab%"), QStringLiteral("\t"));
    };
    const QString separator = withTabs(in.options.csvSeparator);
    const QString end = withTabs(in.options.csvEnd);
    const QString enclosure = withTabs(in.options.csvEnclosure);

    const auto line = [&](const QStringList &values) -> QString {
        QString text;
        for (qsizetype j = 0; j < in.columnCount(); ++j) {
            if (j > 0)
                text += separator;
            text += csvField(values.value(j), separator, enclosure);
        }
        return text + end;
    };

    const qsizetype first = in.options.columnHeaders ? 1 : 0;
    QStringList lines(first + in.cells.size());
    if (in.options.columnHeaders)
        lines[0] = line(in.headers());
    // Each line stands alone, so long tables are shared out over every core.
    const auto fill = [&](int from, int to, int) {
        for (int i = from; i < to; ++i)
            lines[first + i] = line(in.cells[i]);
    };
    if (in.cells.size() >= 4096)
        runOnAllCores(int(in.cells.size()), 1024, fill);
    else
        fill(0, int(in.cells.size()), 0);
    return lines;
}
