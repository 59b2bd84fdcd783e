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

    // An enclosure inside a value is doubled, as CSV readers expect. Without one a value stays
    // as it is unless it would split the record: one holding the separator, a double quote or
    // a line break is put in double quotes, its own doubled.
    const auto field = [&](QString value) -> QString {
        if (!enclosure.isEmpty())
            return enclosure + value.replace(enclosure, enclosure + enclosure) + enclosure;
        const bool splits = (!separator.isEmpty() && value.contains(separator)) || value.contains(u'"') ||
                            value.contains(u'\r') || value.contains(u'\n');
        if (!splits)
            return value;
        return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
    };
    const auto line = [&](const QStringList &values) -> QString {
        QStringList fields;
        for (qsizetype j = 0; j < in.columnCount(); ++j)
            fields << field(values.value(j));
        return fields.join(separator) + end;
    };

    QStringList lines;
    if (in.options.columnHeaders)
        lines << line(in.headers());
    for (const QStringList &row : in.cells)
        lines << line(row);
    return lines;
}
