#pragma once
// One row of the file list. Every cell is text, written once and kept as written; the
// three times are kept as values too, so that formatting never has to read text back, and
// the size in bytes is kept as a number only.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

enum FileCell : int {
    CellFormat = 0,
    CellTypeName,
    CellSizeText,
    CellCreated,
    CellAccessed,
    CellChanged,
    CellReadOnly,
    CellHidden,
    CellProgram,
    CellPath,
    CellMd5,
    CellCrc32,
    CellSha1,
    CellSha256,
    CellSha512,
    CellCount
};

struct FileEntry {
    QString name;                           // the caption: last component of the path
    std::array<QString, CellCount> cells{}; // cells 0 to 14
    QDateTime created, accessed, changed;   // wall-clock values behind cells 3 to 5; invalid when unknown
    int iconIndex = -1;
    // The path's bytes, kept only when the shown path (U+FFFD for bytes that are not UTF-8)
    // cannot give them back.
    QByteArray lostBytes;

    const QString &path() const { return cells[CellPath]; }
    qint64 bytes = 0; // the size; a folder's total; -1 when its facts could not be read
    // The path as the system knows it.
    QByteArray systemPath() const;
    // Shows the path (U+FFFD for bytes that are not UTF-8) and keeps its bytes when that loses some.
    void setSystemPath(const QByteArray &systemPath);
};

// Rows move by memory copy when the list grows or reorders.
Q_DECLARE_TYPEINFO(FileEntry, Q_RELOCATABLE_TYPE);
