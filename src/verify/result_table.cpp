// The table of check results in the formats for people: padded text, CSV, an HTML fragment, JSON.
#include "collect/system_path.h"
#include "table/csv_field.h"
#include "table/html_text.h"
#include "table/json_table.h"
#include "verify/check_results.h"
#include "verify/reported_names.h"

#include <algorithm>

namespace {

constexpr int ColumnCount = 5;
constexpr int SizeColumn = 4;

QStringList headers(Language language)
{
    static const BilingualText texts[ColumnCount] = {
        {"Status", "Status"},
        {"Pfad", "Path"},
        {"Erwartete Prüfsumme", "Expected checksum"},
        {"Gefundene Prüfsumme", "Found checksum"},
        {"Größe", "Size"},
    };
    QStringList list;
    for (const BilingualText &text : texts)
        list.append(text.in(language));
    return list;
}

// A name as a cell; the lines of plain text escape line breaks as the check's lines do.
QString nameCell(const QByteArray &name, bool escaped)
{
    return shownPath(escaped ? statusLineName(name) : name);
}

QStringList cells(const ResultRow &row, Language language, bool escapeNames)
{
    QString path = nameCell(row.path, escapeNames);
    if (row.status == FileStatus::Moved)
        path = nameCell(row.movedFrom, escapeNames) + QStringLiteral(" -> ") + path;
    return {statusWord(row.status, language), path, row.expected, row.found,
            row.size ? QString::number(*row.size) : QString()};
}

// "OK: 5; geändert: 1; ..." for every status.
QString countsLine(const QList<ResultRow> &rows, Language language)
{
    const std::array<qsizetype, FileStatusCount> counts = statusCounts(rows);
    QStringList parts;
    for (int status = 0; status < FileStatusCount; ++status)
        parts.append(statusWord(FileStatus(status), language) + QStringLiteral(": ") +
                     QString::number(counts[status]));
    return parts.join(QStringLiteral("; "));
}

QString textTable(const QList<ResultRow> &rows, Language language)
{
    QList<QStringList> lines{headers(language)};
    for (const ResultRow &row : rows)
        lines.append(cells(row, language, true));
    std::array<qsizetype, ColumnCount> widths{};
    for (const QStringList &line : lines)
        for (int column = 0; column < ColumnCount; ++column)
            widths[column] = std::max(widths[column], line[column].size());
    QString text;
    for (const QStringList &line : lines) {
        QString padded;
        for (int column = 0; column < ColumnCount; ++column) {
            if (column > 0)
                padded += QStringLiteral("  ");
            padded += column == SizeColumn ? line[column].rightJustified(widths[column])
                                           : line[column].leftJustified(widths[column]);
        }
        while (padded.endsWith(u' '))
            padded.chop(1);
        text += padded + u'\n';
    }
    return text + u'\n' + countsLine(rows, language) + u'\n';
}

QString csvTable(const QList<ResultRow> &rows, Language language)
{
    const QString separator = QStringLiteral(";");
    const auto record = [&](const QStringList &values) -> QString {
        QStringList fields;
        for (const QString &value : values)
            fields.append(csvField(value, separator));
        return fields.join(separator) + u'\n';
    };
    QString text = record(headers(language));
    for (const ResultRow &row : rows)
        text += record(cells(row, language, false));
    return text + record({countsLine(rows, language)});
}

QString htmlTable(const QList<ResultRow> &rows, Language language)
{
    const auto tableRow = [](const QStringList &values, const QString &open,
                             const QString &close) -> QString {
        QString line = QStringLiteral("<tr>");
        for (int column = 0; column < ColumnCount; ++column)
            line +=
                (column == SizeColumn ? QStringLiteral(R"(<td align="right">)") : QStringLiteral("<td>")) +
                open + htmlEscaped(values[column]) + close + QStringLiteral("</td>");
        return line + QStringLiteral("</tr>\n");
    };
    QString text = QStringLiteral(R"(<table border="0" cellspacing="3" cellpadding="0">)") + u'\n' +
                   tableRow(headers(language), QStringLiteral("<strong>"), QStringLiteral("</strong>"));
    for (const ResultRow &row : rows)
        text += tableRow(cells(row, language, false), {}, {});
    return text + QStringLiteral("</table><br>\n") + htmlEscaped(countsLine(rows, language)) + u'\n';
}

QString jsonTable(const QList<ResultRow> &rows)
{
    const QString null = QStringLiteral("null");
    QString text = QStringLiteral("{\n  \"rows\": [");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ResultRow &row = rows[i];
        text += (i == 0 ? QStringLiteral("\n    {\"status\": ") : QStringLiteral(",\n    {\"status\": ")) +
                jsonString(statusWord(row.status, Language::English)) + QStringLiteral(", \"path\": ") +
                jsonString(shownPath(row.path)) + QStringLiteral(", \"movedFrom\": ") +
                (row.status == FileStatus::Moved ? jsonString(shownPath(row.movedFrom)) : null) +
                QStringLiteral(", \"expected\": ") + jsonString(row.expected) +
                QStringLiteral(", \"found\": ") + jsonString(row.found) + QStringLiteral(", \"size\": ") +
                (row.size ? QString::number(*row.size) : null) + u'}';
    }
    text += QStringLiteral("\n  ],\n  \"counts\": {");
    const std::array<qsizetype, FileStatusCount> counts = statusCounts(rows);
    for (int status = 0; status < FileStatusCount; ++status)
        text += (status == 0 ? QString() : QStringLiteral(", ")) +
                jsonString(statusWord(FileStatus(status), Language::English)) + QStringLiteral(": ") +
                QString::number(counts[status]);
    return text + QStringLiteral("}\n}\n");
}

} // namespace

std::optional<QByteArray> resultTable(const QList<ResultRow> &rows, OutputFormat format, Language language)
{
    switch (format) {
    case OutputFormat::Txt:
        return textTable(rows, language).toUtf8();
    case OutputFormat::Csv:
        return csvTable(rows, language).toUtf8();
    case OutputFormat::Htm:
        return htmlTable(rows, language).toUtf8();
    case OutputFormat::Json:
        return jsonTable(rows).toUtf8();
    default:
        return std::nullopt;
    }
}
