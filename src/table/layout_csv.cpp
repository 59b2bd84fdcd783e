// The CSV layout: the output cells of every row, with separator, end text and enclosure.
#include "table/layout_parts.h"

QStringList csvLayout(const LayoutInput &in)
{
    const auto withTabs = [](QString text) {
        return text.replace(QStringLiteral("%tab%"), QStringLiteral("\t"));
    };
    const QString separator = withTabs(in.options.csvSeparator);
    const QString end = withTabs(in.options.csvEnd);
    const QString enclosure = withTabs(in.options.csvEnclosure);

    // An enclosure inside a value is doubled, as CSV readers expect; without one values stay
    // as they are.
    const auto line = [&](const QStringList &values) -> QString {
        QStringList enclosed;
        for (qsizetype j = 0; j < in.columnCount(); ++j) {
            QString value = values.value(j);
            if (!enclosure.isEmpty())
                value.replace(enclosure, enclosure + enclosure);
            enclosed << enclosure + value + enclosure;
        }
        return enclosed.join(separator) + end;
    };

    QStringList lines;
    if (in.options.columnHeaders)
        lines << line(in.headers());
    for (const QStringList &row : in.cells)
        lines << line(row);
    return lines;
}
