#pragma once
// The columns of one refresh and the texts of their cells, read by the table layout.
#include "collect/checksums.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The twelve column kinds; the number is what the column order stores ("01" ... "12").
enum class ColumnKind : int {
    FileName = 1,
    Format,
    WindowsType,
    Size,
    Created,
    Accessed,
    Changed,
    Hidden,
    ReadOnly,
    Program,
    Path,
    Checksums
};
inline constexpr int ColumnKindCount = 12;

struct OutputColumn {
    QString header;
    bool rightAligned = false;
    ColumnKind kind = ColumnKind::FileName;
    ChecksumKind checksum = ChecksumKind::MD5; // which checksum, for ColumnKind::Checksums only
};

// Output columns, left to right.
using ActArray = QVector<OutputColumn>;
// One row per list row in display (or group) order, one cell per output column; with grouping
// two more cells follow: the group key and the row's size in bytes.
// Cells and group keys hold plain, unescaped text. The one exception is a link the cell step
// makes for HTML output: it starts with `<a href="`, and the cell step has already escaped its
// visible text. The HTML layout escapes every other cell and key (&, <, >, ") and counts a
// link's width from its first ">" to its end, any other cell by its plain length.
using CellTable = QVector<QStringList>;
