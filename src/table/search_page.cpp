#include "table/search_page.h"

#include "common/language.h"
#include "table/html_text.h"
#include "table/search_page_assets.h"

namespace {

bool sortsByNumber(ColumnKind kind)
{
    return kind == ColumnKind::Size || kind == ColumnKind::Created || kind == ColumnKind::Accessed ||
           kind == ColumnKind::Changed;
}

class SearchPageWriter : public LineWriter {
public:
    using LineWriter::LineWriter;

    void start() override
    {
        const bool german = isGerman(m_table.language);
        const QString title = htmlEscaped(m_table.options.titleText);
        add(QStringLiteral("<!DOCTYPE html>"));
        add(QStringLiteral("<html lang=\"") + (german ? QStringLiteral("de") : QStringLiteral("en")) +
            QStringLiteral("\">"));
        add(QStringLiteral("<head>"));
        add(QStringLiteral("<meta charset=\"utf-8\">"));
        add(QStringLiteral("<title>") + title + QStringLiteral("</title>"));
        add(searchPageStyle);
        add(QStringLiteral("</head>"));
        add(QStringLiteral("<body>"));
        if (m_table.options.title)
            add(QStringLiteral("<h1>") + title + QStringLiteral("</h1>"));
        const QString pattern =
            german ? QStringLiteral("%1 von %2 Dateien") : QStringLiteral("%1 of %2 Files");
        const QString files = QString::number(m_table.totals.files);
        add(QStringLiteral("<p><input type=\"search\" id=\"search\" placeholder=\"") +
            (german ? QStringLiteral("Suchen") : QStringLiteral("Search")) +
            QStringLiteral("\"> <span id=\"count\" data-pattern=\"") + pattern + QStringLiteral("\">") +
            pattern.arg(files, files) + QStringLiteral("</span></p>"));
        add(QStringLiteral("<table id=\"files\">"));
        QString header = QStringLiteral("<thead><tr>");
        for (const OutputColumn &column : m_table.columns)
            header += QStringLiteral("<th") + alignment(column) +
                      (sortsByNumber(column.kind) ? QStringLiteral(" data-sort=\"number\"") : QString()) +
                      u'>' + (m_table.options.columnHeaders ? htmlEscaped(column.header) : QString()) +
                      QStringLiteral("</th>");
        add(header + QStringLiteral("</tr></thead>"));
        if (!m_table.options.grouped)
            add(QStringLiteral("<tbody>"));
    }

    void groupStarts(const QString &heading, qint64 files, qint64 bytes) override
    {
        add(QStringLiteral("<tbody>"));
        // The heading is the key as HTML cells write it: already escaped.
        QString text = m_table.options.groupHeading ? heading : QString();
        const QString info = m_table.endInfo(files, bytes);
        if (!info.isEmpty())
            text += (text.isEmpty() ? QString() : QStringLiteral(" &ndash; ")) + htmlEscaped(info);
        add(QStringLiteral("<tr class=\"group\"><th colspan=\"") + QString::number(m_table.columns.size()) +
            QStringLiteral("\">") + text + QStringLiteral("</th></tr>"));
    }

    void row(const FileEntry &row, const QString &) override
    {
        QString line = QStringLiteral("<tr>");
        for (qsizetype j = 0; j < m_table.columns.size(); ++j) {
            const OutputColumn &column = m_table.columns[j];
            line += QStringLiteral("<td") + alignment(column) + sortValue(column.kind, row) + u'>' +
                    m_table.cell(j, row) + QStringLiteral("</td>");
        }
        add(line + QStringLiteral("</tr>"));
    }

    void groupEnds(qint64, qint64) override { add(QStringLiteral("</tbody>")); }

    void end() override
    {
        if (!m_table.options.grouped)
            add(QStringLiteral("</tbody>"));
        add(QStringLiteral("</table>"));
        const QString info = m_table.endInfo(m_table.totals.files, m_table.totals.bytes);
        if (!info.isEmpty())
            add(QStringLiteral("<p><i>") + htmlEscaped(info) + QStringLiteral("</i></p>"));
        add(searchPageScript);
        add(QStringLiteral("</body>"));
        add(QStringLiteral("</html>"));
    }

private:
    static QString alignment(const OutputColumn &column)
    {
        return column.rightAligned ? QStringLiteral(" class=\"right\"") : QString();
    }

    // Sizes sort by bytes and times by their moment, whatever their cells show.
    static QString sortValue(ColumnKind kind, const FileEntry &row)
    {
        qint64 value = 0;
        switch (kind) {
        case ColumnKind::Size:
            value = row.bytes;
            break;
        case ColumnKind::Created:
        case ColumnKind::Accessed:
        case ColumnKind::Changed: {
            const QDateTime &when = rowTime(row, kind);
            if (!when.isValid())
                return QStringLiteral(" data-v=\"\"");
            value = when.toMSecsSinceEpoch();
            break;
        }
        default:
            return QString();
        }
        return QStringLiteral(" data-v=\"") + QString::number(value) + u'"';
    }
};

} // namespace

bool writeSearchPage(const ValueTable &table, const LineSink &sink)
{
    return SearchPageWriter(table, sink).write();
}
