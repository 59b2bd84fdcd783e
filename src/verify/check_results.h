#pragma once
// The outcome of a check or a comparison as rows of a table for people: a status, the path,
// the digests expected and found, and the size, with a count of each status below.
#include "common/language.h"
#include "table/output_format.h"
#include "verify/manifest.h"
#include "verify/manifest_check.h"
#include "verify/root_findings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

enum class FileStatus { Ok, Changed, Missing, New, Moved, Unreadable };
inline constexpr int FileStatusCount = 6;

// "OK", "geändert", "fehlt", "neu", "verschoben", "unlesbar" / "OK", "changed", "missing", "new",
// "moved", "unreadable".
QString statusWord(FileStatus status, Language language);

struct ResultRow {
    FileStatus status = FileStatus::Ok;
    QByteArray path;            // as the manifest names it (the new name for a moved file), unescaped bytes
    QByteArray movedFrom;       // the listed name of a moved file, else empty
    QString expected;           // the expected digest(s) as hex, several joined by " "; empty for a new file
    QString found;              // the digest(s) found, same kinds and order; empty when not read
    std::optional<qint64> size; // the file's size as found, else as listed
};

// One row per entry in the entries' order, then one per new file of the findings; entries the
// findings moved are Moved.
QList<ResultRow> checkResultRows(const Manifest &manifest, const QList<FileCheck> &checks,
                                 const RootFindings &findings = {});

// How many rows have each status, indexed by int(FileStatus).
std::array<qsizetype, FileStatusCount> statusCounts(const QList<ResultRow> &rows);

// The rows as a table in txt, csv, htm or json, as UTF-8 with LF; nothing for other formats.
// Columns: status, path, expected digest, found digest, size, headed in the language; below the
// rows the count of each status ("OK: 5; geändert: 1; ..."). A moved file's path reads
// "OLD -> NEW". JSON has stable English keys and English statuses in every language.
std::optional<QByteArray> resultTable(const QList<ResultRow> &rows, OutputFormat format, Language language);
