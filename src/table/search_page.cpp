#include "table/search_page.h"

#include "common/language.h"
#include "table/html_text.h"
#include "table/json_table.h"
#include "table/search_page_assets.h"

#include <QRegularExpression>

namespace {

bool sortsByNumber(ColumnKind kind)
{
    return kind == ColumnKind::Size || kind == ColumnKind::Created || kind == ColumnKind::Accessed ||
           kind == ColumnKind::Changed;
}

// JSON inside a script element: no "<" may end the element early.
QString scriptSafe(QString json)
{
    return json.replace(u'<', QStringLiteral("\\u003c"));
}

// The whole table stands in a noscript element, so a browser without script shows it and one
// with script does not build it: a hundred thousand rows would take that browser many seconds.
// The script shows the rows from the data that follows, a screenful at a time.
class SearchPageWriter : public LineWriter {
public:
    using LineWriter::LineWriter;

    int passes() const override { return 2; }

    void betweenPasses() override
    {
        if (!m_table.options.grouped)
            add(QStringLiteral("</tbody>"));
        add(QStringLiteral("</table>"));
        add(QStringLiteral("</noscript>"));
        add(QStringLiteral("<div id=\"view\"><table id=\"list\" hidden>") + m_header +
            QStringLiteral("</table></div>"));
        add(QStringLiteral("<script type=\"application/json\" id=\"rows\">["));
    }

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
        // Without script there is nothing to search: the box shows when the script runs.
        add(QStringLiteral("<p id=\"tools\" hidden><input type=\"search\" id=\"search\" placeholder=\"") +
            (german ? QStringLiteral("Suchen") : QStringLiteral("Search")) +
            QStringLiteral("\"> <span id=\"count\" data-pattern=\"") + pattern + QStringLiteral("\">") +
            pattern.arg(files, files) + QStringLiteral("</span></p>"));
        add(QStringLiteral("<noscript>"));
        add(QStringLiteral("<table id=\"files\">"));
        QString header = QStringLiteral("<thead><tr>");
        for (const OutputColumn &column : m_table.columns)
            header += QStringLiteral("<th") + alignment(column) +
                      (sortsByNumber(column.kind) ? QStringLiteral(" data-sort=\"number\"") : QString()) +
                      u'>' + (m_table.options.columnHeaders ? htmlEscaped(column.header) : QString()) +
                      QStringLiteral("</th>");
        m_header = header + QStringLiteral("</tr></thead>");
        add(m_header);
        if (!m_table.options.grouped)
            add(QStringLiteral("<tbody>"));
    }

    void groupStarts(const QString &heading, qint64 files, qint64 bytes) override
    {
        // The heading is the key as HTML cells write it: already escaped.
        QString text = m_table.options.groupHeading ? heading : QString();
        const QString info = m_table.endInfo(files, bytes);
        if (!info.isEmpty())
            text += (text.isEmpty() ? QString() : QStringLiteral(" &ndash; ")) + htmlEscaped(info);
        if (m_pass == 1) {
            addData(QStringLiteral("{\"heading\": ") + jsonString(text) + u'}');
            return;
        }
        add(QStringLiteral("<tbody>"));
        add(QStringLiteral("<tr class=\"group\"><th colspan=\"") + QString::number(m_table.columns.size()) +
            QStringLiteral("\">") + text + QStringLiteral("</th></tr>"));
    }

    void row(const FileEntry &row, const QString &) override
    {
        if (m_pass == 1) {
            // The cells' markup, then the sort values of the columns that sort by number.
            QString cells, values;
            for (qsizetype j = 0; j < m_table.columns.size(); ++j) {
                cells += (j > 0 ? QStringLiteral(",") : QString()) + jsonString(m_table.cell(j, row));
                values +=
                    (j > 0 ? QStringLiteral(",") : QString()) + sortNumber(m_table.columns[j].kind, row);
            }
            addData(QStringLiteral("[[") + cells + QStringLiteral("],[") + values + QStringLiteral("]]"));
            return;
        }
        QString line = QStringLiteral("<tr>");
        for (qsizetype j = 0; j < m_table.columns.size(); ++j) {
            const OutputColumn &column = m_table.columns[j];
            const QString value = sortNumber(column.kind, row);
            line += QStringLiteral("<td") + alignment(column) +
                    (value == u"null" ? QString() : QStringLiteral(" data-v=\"") + value + u'"') + u'>' +
                    m_table.cell(j, row) + QStringLiteral("</td>");
        }
        add(line + QStringLiteral("</tr>"));
    }

    void groupEnds(qint64, qint64) override
    {
        if (m_pass == 0)
            add(QStringLiteral("</tbody>"));
    }

    void end() override
    {
        add(QStringLiteral("]</script>"));
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

    // Sizes sort by bytes and times by their moment, whatever their cells show; "null" for the
    // other columns and for an unknown time.
    static QString sortNumber(ColumnKind kind, const FileEntry &row)
    {
        switch (kind) {
        case ColumnKind::Size:
            return QString::number(row.bytes);
        case ColumnKind::Created:
        case ColumnKind::Accessed:
        case ColumnKind::Changed: {
            const QDateTime &when = rowTime(row, kind);
            return when.isValid() ? QString::number(when.toMSecsSinceEpoch()) : QStringLiteral("null");
        }
        default:
            return QStringLiteral("null");
        }
    }

    // Every entry of the data but the first follows a comma.
    void addData(const QString &entry)
    {
        add((m_dataStarted ? QStringLiteral(",") : QString()) + scriptSafe(entry));
        m_dataStarted = true;
    }

    bool m_dataStarted = false;
    QString m_header; // the head row of both tables
};

} // namespace

bool writeSearchPage(const ValueTable &table, const LineSink &sink)
{
    return SearchPageWriter(table, sink).write();
}

QString pageWithoutScript(const QString &page)
{
    // Each part the script needs stands on lines of its own, as the writer above puts them.
    static const QRegularExpression scriptParts(QStringLiteral(
        "^(?:<p id=\"tools\" hidden>.*?</p>|<div id=\"view\">.*?</div>|</?noscript>|<script[^>]*>.*?</script>)\\r?\\n"),
                                                QRegularExpression::MultilineOption |
                                                    QRegularExpression::DotMatchesEverythingOption);
    return QString(page).remove(scriptParts);
}
