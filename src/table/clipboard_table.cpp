#include "table/clipboard_table.h"

#include "table/html_text.h"
#include "table/value_table.h"

namespace {

class PlainTableWriter : public LineWriter {
public:
    using LineWriter::LineWriter;

    void start() override
    {
        add(QStringLiteral("<table>"));
        if (!m_table.options.columnHeaders)
            return;
        QString line = QStringLiteral("<tr>");
        for (const OutputColumn &column : m_table.columns)
            line += QStringLiteral("<th>") + htmlEscaped(column.header) + QStringLiteral("</th>");
        add(line + QStringLiteral("</tr>"));
    }

    void groupStarts(const QString &, qint64, qint64) override {}

    void row(const FileEntry &row, const QString &) override
    {
        QString line = QStringLiteral("<tr>");
        for (qsizetype j = 0; j < m_table.columns.size(); ++j)
            line += QStringLiteral("<td>") + m_table.cell(j, row) + QStringLiteral("</td>");
        add(line + QStringLiteral("</tr>"));
    }

    void groupEnds(qint64, qint64) override {}

    void end() override { add(QStringLiteral("</table>")); }
};

} // namespace

QString plainHtmlTable(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &locale)
{
    const ValueTable table(rows, settings, locale, OutputFormat::Html);
    QString html;
    PlainTableWriter(table, [&html](const QStringList &lines) {
        html += lines.join(u'\n') + u'\n';
        return true;
    }).write();
    return html;
}
