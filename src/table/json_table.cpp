#include "table/json_table.h"

#include "collect/zone_bias.h"
#include "common/settings.h"
#include "table/column_kinds.h"

#include <ctime>

namespace {

const QString null = QStringLiteral("null");

QString jsonBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The flag cells hold "ja"/"nein" or "yes"/"no", as the row was added; only the no texts hold an "n".
bool isYes(const QString &cell)
{
    return !cell.contains(u'n');
}

// A checksum cell holds upper-case hex, or a note why there is none.
QString digest(const QString &cell)
{
    if (cell.isEmpty())
        return null;
    for (const QChar c : cell)
        if (!c.isDigit() && !(c >= u'A' && c <= u'F') && !(c >= u'a' && c <= u'f'))
            return null;
    return u'"' + cell.toLower() + u'"';
}

class JsonWriter : public LineWriter {
public:
    JsonWriter(const ValueTable &table, const LineSink &sink) : LineWriter(table, sink)
    {
        // Rows hold wall-clock times: UTC moved by the zone's standard offset, plus an hour while
        // the daylight-saving correction applies.
        const ZoneBias zone = ZoneBias::at(std::time(nullptr));
        const int seconds =
            zone.standardOffsetSeconds +
            (zone.correctionApplies(table.settings.isOn(MenuSwitch::DaylightCorrection)) ? 3600 : 0);
        const int minutes = std::abs(seconds) / 60;
        m_offset = QStringLiteral("%1%2:%3")
                       .arg(seconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                       .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                       .arg(minutes % 60, 2, 10, QLatin1Char('0'));
        for (const OutputColumn &column : table.columns)
            m_keys << jsonString(columnKey(column.kind, column.checksum));
    }

    void start() override
    {
        add(QStringLiteral("{"));
        add(QStringLiteral("  \"title\": ") +
            (m_table.options.title ? jsonString(m_table.options.titleText) : null) + u',');
        add(QStringLiteral("  \"columns\": ["));
        for (qsizetype j = 0; j < m_table.columns.size(); ++j) {
            const OutputColumn &column = m_table.columns[j];
            add(QStringLiteral("    {\"key\": ") + m_keys[j] + QStringLiteral(", \"header\": ") +
                jsonString(column.header) + QStringLiteral(", \"align\": ") +
                (column.rightAligned ? QStringLiteral("\"right\"") : QStringLiteral("\"left\"")) + u'}' +
                (j + 1 < m_table.columns.size() ? QStringLiteral(",") : QString()));
        }
        add(QStringLiteral("  ],"));
        add(QStringLiteral("  \"rows\": ["));
    }

    void end() override
    {
        if (!m_pendingRow.isEmpty())
            add(m_pendingRow);
        add(QStringLiteral("  ],"));
        add(QStringLiteral("  \"totals\": {\"files\": ") + QString::number(m_table.totals.files) +
            QStringLiteral(", \"bytes\": ") + QString::number(m_table.totals.bytes) + u'}');
        add(QStringLiteral("}"));
    }

    void groupStarts(const QString &, qint64, qint64) override {}
    void groupEnds(qint64, qint64) override {}

    void row(const FileEntry &row, const QString &group) override
    {
        // Each row but the last is followed by a comma, so one row waits for the next.
        if (!m_pendingRow.isEmpty())
            add(m_pendingRow + u',');
        QString line = QStringLiteral("    {");
        for (qsizetype j = 0; j < m_table.columns.size(); ++j) {
            if (j > 0)
                line += QStringLiteral(", ");
            line += m_keys[j] + QStringLiteral(": ") + value(m_table.columns[j], row);
        }
        if (m_table.options.grouped)
            line += (m_table.columns.isEmpty() ? QString() : QStringLiteral(", ")) +
                    QStringLiteral("\"group\": ") + jsonString(group);
        if (!row.lostBytes.isEmpty())
            line +=
                QStringLiteral(", \"pathBytes\": \"") + QString::fromLatin1(row.lostBytes.toBase64()) + u'"';
        m_pendingRow = line + u'}';
    }

private:
    QString time(const QDateTime &value) const
    {
        if (!value.isValid())
            return null;
        return u'"' + value.date().toString(Qt::ISODate) + u'T' +
               value.time().toString(QStringLiteral("HH:mm:ss")) + m_offset + u'"';
    }

    QString value(const OutputColumn &column, const FileEntry &row) const
    {
        switch (column.kind) {
        case ColumnKind::FileName:
            return jsonString(row.name);
        case ColumnKind::Format:
            return jsonString(row.cells[CellFormat]);
        case ColumnKind::WindowsType:
            return jsonString(row.cells[CellTypeName]);
        case ColumnKind::Size:
            return row.bytes < 0 ? null : QString::number(row.bytes);
        case ColumnKind::Created:
        case ColumnKind::Accessed:
        case ColumnKind::Changed:
            return time(rowTime(row, column.kind));
        case ColumnKind::Hidden:
            return jsonBool(isYes(row.cells[CellHidden]));
        case ColumnKind::ReadOnly:
            return jsonBool(isYes(row.cells[CellReadOnly]));
        case ColumnKind::Program:
            return jsonString(row.cells[CellProgram]);
        case ColumnKind::Path:
            return jsonString(row.path());
        case ColumnKind::Checksums:
            break;
        }
        return digest(row.cells[CellMd5 + int(column.checksum)]);
    }

    QString m_offset; // "+01:00"
    QStringList m_keys;
    QString m_pendingRow;
};

} // namespace

QString jsonString(const QString &text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c == u'\n') {
            quoted += QStringLiteral("\\n");
        } else if (c == u'\t') {
            quoted += QStringLiteral("\\t");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            quoted += c;
        }
    }
    return quoted + u'"';
}

bool writeJsonTable(const ValueTable &table, const LineSink &sink)
{
    return JsonWriter(table, sink).write();
}
