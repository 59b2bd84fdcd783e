#include "table/markdown_table.h"

namespace {

class MarkdownWriter : public LineWriter {
public:
    MarkdownWriter(const ValueTable &table, const LineSink &sink) : LineWriter(table, sink) {}

    void start() override
    {
        if (m_table.options.title)
            paragraph(QStringLiteral("# ") + markdownEscaped(m_table.options.titleText));
        if (!m_table.options.grouped)
            openTable(m_table.options.columnHeaders);
    }

    void end() override { endInfo(m_table.totals.files, m_table.totals.bytes); }

    void groupStarts(const QString &heading, qint64, qint64) override
    {
        if (m_table.options.groupHeading && !heading.isEmpty())
            paragraph(QStringLiteral("## ") + markdownEscaped(heading));
        openTable(m_table.options.groupHeaders);
    }

    void row(const FileEntry &row, const QString &) override
    {
        QStringList cells;
        for (qsizetype j = 0; j < m_table.columns.size(); ++j)
            cells << markdownEscaped(m_table.cell(j, row));
        add(line(cells));
    }

    void groupEnds(qint64 files, qint64 bytes) override
    {
        if (m_table.options.groupEndInfo)
            endInfo(files, bytes);
    }

private:
    // Every heading, table and end information stands apart from what comes before it.
    void separate()
    {
        if (m_written)
            add(QString());
        m_written = true;
    }

    void paragraph(const QString &text)
    {
        separate();
        add(text);
    }

    void endInfo(qint64 files, qint64 bytes)
    {
        const QString text = m_table.endInfo(files, bytes);
        if (!text.isEmpty())
            paragraph(markdownEscaped(text));
    }

    static QString line(const QStringList &cells)
    {
        return QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |");
    }

    // A pipe table always has a header row: without headers its cells stay empty.
    void openTable(bool withHeaders)
    {
        separate();
        QStringList headers, alignments;
        for (const OutputColumn &column : m_table.columns) {
            headers << (withHeaders ? markdownEscaped(column.header) : QString());
            alignments << (column.rightAligned ? QStringLiteral("---:") : QStringLiteral(":---"));
        }
        add(line(headers));
        add(line(alignments));
    }

    bool m_written = false;
};

} // namespace

QString markdownEscaped(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        // Angle brackets and ampersands as entities: renderers differ in which escapes they know.
        if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'\r' || c == u'\n')
            escaped += u' ';
        else if (QStringView(u"|\\*_`[]#").contains(c))
            escaped += u'\\' + QString(c);
        else
            escaped += c;
    }
    return escaped;
}

bool writeMarkdownTable(const ValueTable &table, const LineSink &sink)
{
    return MarkdownWriter(table, sink).write();
}
