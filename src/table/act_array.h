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
// For htm output the cells and group keys are HTML: their texts are escaped (&amp; &lt; &gt;
// &quot;) and name or path cells may be links. Measure such a cell with
// htmlVisibleLength (table/html_text.h), which counts what the reader sees; headers and the
// title are the user's own texts and stay as typed.
using CellTable = QVector<QStringList>;
