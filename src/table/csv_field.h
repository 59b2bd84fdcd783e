#pragma once
// One value of a CSV record, quoted as CSV readers expect.
#include <QString>

// Inside the enclosure, its own occurrences doubled, when there is one. Without one the value
// stays as it is unless it would split the record: one holding the separator, a double quote
// or a line break is put in double quotes, its own doubled.
QString csvField(QString value, const QString &separator, const QString &enclosure = {});
