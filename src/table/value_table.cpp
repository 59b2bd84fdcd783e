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

void walkValueRows(const ValueTable &table, ValueTableWriter &writer, const std::function<bool()> &stopped)
{
    const GroupChoice *choice =
        table.options.grouped ? groupChoiceOf(table.settings.value(PB::des_grup)) : nullptr;
    if (!choice) {
        // A grouping choice that names no known fact keeps the rows in one group of their own.
        if (table.options.grouped)
            writer.groupStarts(QString());
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
    qint64 files = 0;
    qint64 bytes = 0;
    for (qsizetype i = 0; i < groups.order.size(); ++i) {
        if (stopped && stopped())
            return;
        const qsizetype j = groups.order[i];
        const QString &key = groups.keys[j];
        if (files == 0)
            writer.groupStarts(key);
        writer.row(table.rows[j], key);
        ++files;
        bytes += table.rows[j].bytes;
        if (i + 1 == groups.order.size() || groups.keys[groups.order[i + 1]] != key) {
            writer.groupEnds(files, bytes);
            files = 0;
            bytes = 0;
        }
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
    walkValueRows(m_table, *this, [this] { return m_failed; });
    end();
    handOn();
    return !m_failed;
}
