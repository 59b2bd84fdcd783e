#include "table/workbook_table.h"

#include "common/message_catalogue.h"
#include "common/safe_file.h"
#include "common/tabulix_error.h"
#include "encoding/write_text_file.h"
#include "table/value_table.h"
#include "table/workbook_formats.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <xlsxwriter.h>

namespace {

// Widths in characters, so that no long path makes a column wider than a screen.
constexpr double MaxColumnWidth = 80;

lxw_datetime spreadsheetTime(const QDateTime &value)
{
    const QDate date = value.date();
    const QTime time = value.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), double(time.second())};
}

class WorkbookWriter : public ValueTableWriter {
public:
    WorkbookWriter(const ValueTable &table, lxw_workbook *book)
        : m_table(table), m_book(book), m_widths(table.columns.size(), 0)
    {
        m_bold = workbook_add_format(book);
        format_set_bold(m_bold);
        const CellTexts &texts = table.texts;
        const QByteArray size = sizeNumberFormat(texts.sizeUnit(), texts.sizeDecimals(),
                                                 texts.sizeShowsUnit(), texts.sizeThousands())
                                    .toUtf8();
        m_size = workbook_add_format(book);
        format_set_num_format(m_size, size.constData());
        m_boldSize = workbook_add_format(book);
        format_set_bold(m_boldSize);
        format_set_num_format(m_boldSize, size.constData());
        for (int d = 0; d < 3; ++d) {
            const ColumnKind kind = ColumnKind(int(ColumnKind::Created) + d);
            m_dates[d] = workbook_add_format(book);
            format_set_num_format(
                m_dates[d], dateNumberFormat(texts.dateOptions(kind), table.locale).toUtf8().constData());
        }
        m_link = workbook_add_format(book);
        format_set_underline(m_link, LXW_UNDERLINE_SINGLE);
        format_set_font_color(m_link, LXW_COLOR_BLUE);
        for (qsizetype j = 0; j < table.columns.size(); ++j)
            if (table.columns[j].kind == ColumnKind::Size)
                m_sizeColumn = j;
        startSheet();
    }

    void groupStarts(const QString &heading, qint64 files, qint64 bytes) override
    {
        summaryRow(heading.isEmpty() ? countText(files)
                                     : heading + QStringLiteral(" (") + countText(files) + u')',
                   bytes);
    }

    void row(const FileEntry &row, const QString &) override
    {
        makeRoom();
        for (qsizetype j = 0; j < m_table.columns.size(); ++j)
            cell(j, row);
        ++m_row;
    }

    void groupEnds(qint64, qint64) override {}

    void finish()
    {
        filterData();
        if (m_table.options.endCount || m_table.options.endSize)
            summaryRow(countText(m_table.totals.files), m_table.totals.bytes);
        finishSheet();
    }

private:
    QString countText(qint64 files) const
    {
        return QString::number(files) + countSuffix(files, m_table.language);
    }

    void startSheet()
    {
        ++m_sheets;
        const QByteArray name = sheetName(m_table.options.titleText, m_sheets).toUtf8();
        m_sheet = workbook_add_worksheet(m_book, name.constData());
        m_row = 0;
        if (m_table.options.title) {
            text(0, m_table.options.titleText, m_bold, false);
            ++m_row;
        }
        m_headerRow = -1;
        if (!m_table.options.columnHeaders || m_table.columns.isEmpty())
            return;
        m_headerRow = m_row;
        for (qsizetype j = 0; j < m_table.columns.size(); ++j)
            text(j, m_table.columns[j].header, m_bold);
        ++m_row;
        worksheet_freeze_panes(m_sheet, m_row, 0);
    }

    // Rows go to disk as they come, so the filter is set while the last row of the data is the
    // latest one, before the totals or the next sheet.
    void filterData()
    {
        if (m_headerRow >= 0 && m_lastDataRow >= m_headerRow)
            worksheet_autofilter(m_sheet, lxw_row_t(m_headerRow), 0, lxw_row_t(m_lastDataRow),
                                 lxw_col_t(m_table.columns.size() - 1));
        m_lastDataRow = -1;
    }

    void finishSheet()
    {
        for (qsizetype j = 0; j < m_widths.size(); ++j)
            worksheet_set_column(m_sheet, lxw_col_t(j), lxw_col_t(j),
                                 std::min(m_widths[j] + 2, MaxColumnWidth), nullptr);
    }

    // A full sheet goes on in the next one.
    void makeRoom()
    {
        if (m_row < LXW_ROW_MAX)
            return;
        filterData();
        finishSheet();
        startSheet();
    }

    void summaryRow(const QString &label, qint64 bytes)
    {
        makeRoom();
        text(0, label, m_bold, false);
        if (m_sizeColumn > 0)
            worksheet_write_number(m_sheet, m_row, lxw_col_t(m_sizeColumn), sizeValue(bytes), m_boldSize);
        ++m_row;
    }

    void text(qsizetype column, const QString &value, lxw_format *format, bool measured = true)
    {
        if (value.isEmpty())
            return;
        worksheet_write_string(m_sheet, m_row, lxw_col_t(column), value.toUtf8().constData(), format);
        if (measured)
            measure(column, value);
    }

    double sizeValue(qint64 bytes) const
    {
        const CellTexts &texts = m_table.texts;
        return texts.sizeShowsUnit() ? double(bytes) / std::pow(1024.0, texts.sizeUnit()) : double(bytes);
    }

    void cell(qsizetype j, const FileEntry &row)
    {
        const OutputColumn &column = m_table.columns[j];
        m_lastDataRow = m_row;
        switch (column.kind) {
        case ColumnKind::Size:
            measure(j, m_table.cell(j, row));
            if (row.bytes >= 0 && (!m_table.texts.sizeShowsUnit() || m_table.texts.sizeUnit() >= 0))
                worksheet_write_number(m_sheet, m_row, lxw_col_t(j), sizeValue(row.bytes), m_size);
            return;
        case ColumnKind::Created:
        case ColumnKind::Accessed:
        case ColumnKind::Changed: {
            const QDateTime &value = rowTime(row, column.kind);
            if (!value.isValid())
                break;
            lxw_datetime when = spreadsheetTime(value);
            worksheet_write_datetime(m_sheet, m_row, lxw_col_t(j), &when,
                                     m_dates[int(column.kind) - int(ColumnKind::Created)]);
            // Every time of a column is as wide as the first.
            if (m_widths[j] == 0)
                measure(j, m_table.cell(j, row));
            return;
        }
        default:
            break;
        }
        const QString shown = m_table.cell(j, row);
        measure(j, shown);
        if (!m_table.texts.linksToFile(column.kind) || !link(j, row.path(), shown))
            text(j, shown, nullptr, false);
    }

    void measure(qsizetype j, const QString &shown)
    {
        m_widths[j] = std::max(m_widths[j], double(shown.size()));
    }

    // A link the workbook cannot hold (too long, too many) is written as text.
    bool link(qsizetype j, const QString &path, const QString &shown)
    {
        const QByteArray url = QUrl::fromLocalFile(path).toEncoded();
        return worksheet_write_url_opt(m_sheet, m_row, lxw_col_t(j), url.constData(), m_link,
                                       shown.toUtf8().constData(), nullptr) == LXW_NO_ERROR;
    }

    const ValueTable &m_table;
    lxw_workbook *m_book;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_bold, *m_size, *m_boldSize, *m_link;
    lxw_format *m_dates[3];
    QVector<double> m_widths;
    qsizetype m_sizeColumn = -1;
    int m_sheets = 0;
    lxw_row_t m_row = 0;
    qint64 m_headerRow = -1;
    qint64 m_lastDataRow = -1;
};

} // namespace

void writeWorkbook(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &locale,
                   const QString &path)
{
    const QString failure = fileCreationError(path);
    // The library writes only to a file name: a private file of our own, whose bytes then take
    // the one safe way to the target.
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/tabulix-XXXXXX.xlsx"));
    if (!scratch.open())
        throw TabulixError(failure + u' ' + scratch.errorString());
    const QByteArray scratchName = QFile::encodeName(scratch.fileName());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows go to disk as they come
    lxw_workbook *book = workbook_new_opt(scratchName.constData(), &options);
    if (!book)
        throw TabulixError(failure);
    const ValueTable table(rows, settings, locale, OutputFormat::Xlsx);
    WorkbookWriter writer(table, book);
    walkValueRows(table, writer);
    writer.finish();
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR)
        throw TabulixError(failure + u' ' + QString::fromUtf8(lxw_strerror(closed)));
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        throw TabulixError(failure + u' ' + written.errorString());
    writeFileSafely(path, written.readAll(), failure);
}
