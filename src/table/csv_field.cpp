#include "table/csv_field.h"

QString csvField(QString value, const QString &separator, const QString &enclosure)
{
    if (!enclosure.isEmpty())
        return enclosure + value.replace(enclosure, enclosure + enclosure) + enclosure;
    const bool splits = (!separator.isEmpty() && value.contains(separator)) || value.contains(u'"') ||
                        value.contains(u'\r') || value.contains(u'\n');
    if (!splits)
        return value;
    return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
}
