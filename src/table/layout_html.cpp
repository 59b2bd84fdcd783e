// The HTML layout: a fragment of tables, one per group, with headings and end information.
#include "table/html_text.h"
#include "table/layout_parts.h"

#include <algorithm>

namespace {

const QString tableOpening = QStringLiteral(R"(<table border="0" cellspacing="3" cellpadding="0">)");

class HtmlLayout {
public:
    explicit HtmlLayout(const LayoutInput &in) : m_in(in), m_options(in.options)
    {
        QList<qsizetype> longest(in.columnCount(), 0);
        for (const QStringList &row : in.cells)
            for (qsizetype j = 0; j < longest.size(); ++j)
                longest[j] = std::max(longest[j], htmlVisibleLength(row.value(j)));
        for (qsizetype j = 0; j < longest.size(); ++j) {
            if (m_options.columnHeaders)
                longest[j] = std::max(longest[j], in.columns[j].header.size());
            m_pixels << QString::number(longest[j] * 9 + 20);
        }
    }

    QStringList lines()
    {
        if (m_options.title)
            m_lines << QStringLiteral("<h1>") + m_options.titleText + QStringLiteral("</h1><br>");
        if (!m_options.grouped)
            openTable(m_options.columnHeaders);
        walkRows(m_in, {.groupStarts =
                            [this](const QString &key) {
                                m_lines << QStringLiteral("<br><br><br>");
                                if (m_options.groupHeading)
                                    m_lines << QStringLiteral("<h2>") + key + QStringLiteral("</h2>");
                                openTable(m_options.groupHeaders);
                            },
                        .row = [this](const QStringList &row) { addRow(row); },
                        .groupEnds = [this](qint64 files, qint64 bytes) { closeGroup(files, bytes); }});
        m_lines << (m_tableOpen ? QStringLiteral("</table><br>") : QStringLiteral("<br><br>"));
        addEndInfo(m_lines, m_in, m_in.totals.files, m_in.totals.bytes);
        m_lines.removeAll(DashMarker);
        m_lines.first().remove(QStringLiteral("<br>"));
        return m_lines;
    }

private:
    QString cellOpening(qsizetype column, bool withWidth) const
    {
        const QString width = withWidth ? QStringLiteral(R"( width=")") + m_pixels[column] + u'"' : QString();
        if (m_in.columns[column].rightAligned)
            return QStringLiteral(R"(<td align="right")") + width +
                   QStringLiteral(R"( style="padding-right: 10px">)");
        return QStringLiteral("<td") + width + u'>';
    }

    // HtmlHeaderRow: the opening line and the headers, always with their widths.
    void openTable(bool withHeaders)
    {
        m_lines << tableOpening;
        m_tableOpen = true;
        if (!withHeaders)
            return;
        QString line;
        for (qsizetype j = 0; j < m_in.columnCount(); ++j)
            line += (j == 0 ? QStringLiteral("<tr>") : QStringLiteral("</strong></td>")) +
                    cellOpening(j, true) + QStringLiteral("<strong>") + m_in.columns[j].header;
        m_lines << line + QStringLiteral("</strong></td></tr>");
        m_widthsWritten = true;
    }

    void addRow(const QStringList &row)
    {
        // A first group with an empty key starts no group; its rows still belong in a table.
        if (!m_tableOpen)
            openTable(m_options.groupHeaders);
        QString line;
        for (qsizetype j = 0; j < m_in.columnCount(); ++j)
            line += (j == 0 ? QStringLiteral("<tr>") : QStringLiteral("</td>")) +
                    cellOpening(j, !m_widthsWritten) + row.value(j);
        m_lines << line + QStringLiteral("</td></tr>");
        m_widthsWritten = true;
    }

    void closeGroup(qint64 files, qint64 bytes)
    {
        if (m_tableOpen)
            m_lines << QStringLiteral("</table><br>");
        m_tableOpen = false;
        if (m_options.groupEndInfo)
            addEndInfo(m_lines, m_in, files, bytes);
        m_lines << QStringLiteral("<br>");
        m_widthsWritten = false;
    }

    const LayoutInput &m_in;
    const LayoutOptions &m_options;
    QStringList m_pixels; // width of every output column in pixels, as written
    QStringList m_lines;
    bool m_tableOpen = false;
    bool m_widthsWritten = false;
};

} // namespace

QStringList htmlLayout(const LayoutInput &in)
{
    return HtmlLayout(in).lines();
}
