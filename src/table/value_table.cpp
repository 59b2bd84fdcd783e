#include "table/value_table.h"

#include "common/settings.h"
#include "table/act_array_fill.h"
#include "table/grouping.h"

ValueTable::ValueTable(std::span<const FileEntry> rows_, const Settings &settings_,
                       const LocaleFormat &locale_, OutputFormat format)
    : rows(rows_), settings(settings_), columns(outputColumns(settings_)),
      options(LayoutOptions::read(settings_)), texts(settings_, locale_, format),
      language(settings_.language()), locale(locale_)
{
    totals.files = qint64(rows.size());
    for (const FileEntry &row : rows)
        totals.bytes += row.bytes;
}

QString ValueTable::cell(qsizetype column, const FileEntry &row) const
{
    return cellOf(columns[column], row, texts);
}

QString ValueTable::endInfo(qint64 files, qint64 bytes) const
{
    return endInfoText(options, language, locale, files, bytes);
}

const QDateTime &rowTime(const FileEntry &row, ColumnKind kind)
{
    return kind == ColumnKind::Created    ? row.created
           : kind == ColumnKind::Accessed ? row.accessed
                                          : row.changed;
}

void walkValueRows(const ValueTable &table, ValueTableWriter &writer, const std::function<bool()> &stopped)
{
    const GroupChoice *choice =
        table.options.grouped ? groupChoiceOf(table.settings.value(PB::des_grup)) : nullptr;
    if (!choice) {
        // A grouping choice that names no known fact keeps the rows in one group of their own.
        if (table.options.grouped)
            writer.groupStarts(QString(), table.totals.files, table.totals.bytes);
        for (const FileEntry &row : table.rows) {
            if (stopped && stopped())
                return;
            writer.row(row, QString());
        }
        if (table.options.grouped)
            writer.groupEnds(table.totals.files, table.totals.bytes);
        return;
    }
    const GroupOrder groups = groupOrder(table.rows, *choice, table.texts, table.locale);
    const qsizetype count = groups.order.size();
    for (qsizetype first = 0; first < count;) {
        const QString &key = groups.keys[groups.order[first]];
        qsizetype end = first;
        qint64 bytes = 0;
        for (; end < count && groups.keys[groups.order[end]] == key; ++end)
            bytes += table.rows[groups.order[end]].bytes;
        writer.groupStarts(key, end - first, bytes);
        for (qsizetype i = first; i < end; ++i) {
            if (stopped && stopped())
                return;
            writer.row(table.rows[groups.order[i]], key);
        }
        writer.groupEnds(end - first, bytes);
        first = end;
    }
}

void LineWriter::add(const QString &line)
{
    constexpr qsizetype LinesPerBlock = 4096;
    m_lines.append(line);
    if (m_lines.size() >= LinesPerBlock)
        handOn();
}

void LineWriter::handOn()
{
    if (!m_failed && !m_lines.isEmpty())
        m_failed = !m_sink(m_lines);
    m_lines.clear();
}

bool LineWriter::write()
{
    start();
    for (m_pass = 0; m_pass < passes(); ++m_pass) {
        if (m_pass > 0)
            betweenPasses();
        walkValueRows(m_table, *this, [this] { return m_failed; });
    }
    end();
    handOn();
    return !m_failed;
}
