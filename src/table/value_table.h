#pragma once
// The walk that the formats writing one value per cell share (JSON, Markdown, the workbook,
// the page): the rows in their output order, group by group, straight from the file list, so
// no table of cell texts is ever held.
#include "collect/file_entry.h"
#include "common/language.h"
#include "common/locale_format.h"
#include "table/act_array.h"
#include "table/cell_texts.h"
#include "table/layout_parts.h"

#include <QStringList>
#include <functional>
#include <span>

class Settings;

// Everything such a writer reads besides the rows.
struct ValueTable {
    ValueTable(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &locale,
               OutputFormat format);

    std::span<const FileEntry> rows;
    const Settings &settings;
    ActArray columns;
    LayoutOptions options;
    CellTexts texts; // the cells as the format shows them
    Language language;
    const LocaleFormat &locale;
    ListTotals totals;

    // The text of a cell as the format shows it.
    QString cell(qsizetype column, const FileEntry &row) const;
    // "3 Dateien; 1,205 KB" as the end information options ask for; empty when they ask for none.
    QString endInfo(qint64 files, qint64 bytes) const;
};

// The row's time of a date column (created, accessed, changed).
const QDateTime &rowTime(const FileEntry &row, ColumnKind kind);

class ValueTableWriter {
public:
    virtual ~ValueTableWriter() = default;
    // Called for every group, in order, when the table is grouped; heading is the group's key
    // as the table shows it, files and bytes the count and size of its rows.
    virtual void groupStarts(const QString &heading, qint64 files, qint64 bytes) = 0;
    virtual void row(const FileEntry &row, const QString &group) = 0;
    virtual void groupEnds(qint64 files, qint64 bytes) = 0;
};

// Hands the rows to the writer in output order: as listed, or group by group as the grouping
// choice sorts them. Stops early when the writer's `stopped` says so.
void walkValueRows(const ValueTable &table, ValueTableWriter &writer,
                   const std::function<bool()> &stopped = {});

// Receives a table's lines a block at a time; false stops the writing.
using LineSink = std::function<bool(const QStringList &lines)>;

// A writer of text lines that hands them on in blocks, so a long table never sits in memory.
class LineWriter : public ValueTableWriter {
public:
    explicit LineWriter(const ValueTable &table, const LineSink &sink) : m_table(table), m_sink(sink) {}
    // The whole table: what comes before the rows, the rows, what follows them. False when the
    // sink refused a block.
    bool write();

protected:
    virtual void start() = 0;
    virtual void end() = 0;
    // A writer may walk the rows more than once, so that a long table need not be held.
    virtual int passes() const { return 1; }
    virtual void betweenPasses() {}
    void add(const QString &line);

    int m_pass = 0; // the walk under way

    const ValueTable &m_table;

private:
    void handOn();

    const LineSink &m_sink;
    QStringList m_lines;
    bool m_failed = false;
};
