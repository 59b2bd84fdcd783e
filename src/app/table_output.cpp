#include "app/table_output.h"

#include "app/program_state.h"
#include "table/act_array_fill.h"
#include "table/output_settings.h"
#include "table/table_layout.h"

OutputFormat chosenOutputFormat(const ProgramState &state)
{
    return outputFormatOf(state.settings.value(SettingsWindow::PB, QStringLiteral("out_format")));
}

QStringList buildOutputLines(const ProgramState &state, const LocaleFormat &locale)
{
    const OutputFormat format = chosenOutputFormat(state);
    const QVector<FileEntry> &rows = state.fileList.rows();
    const TableCells table = fillActArray(rows, state.settings, locale, format);
    ListTotals totals;
    totals.files = rows.size();
    for (const FileEntry &row : rows)
        totals.bytes += row.sizeBytes();
    return layOutTable(table.actArray, table.cellTable, state.settings, format, state.settings.language(),
                       locale, totals);
}

QColor pictureBackground(const ProgramState &state)
{
    return edit1Colour(state.settings.value(SettingsWindow::EA, QStringLiteral("Edit1")))
        .value_or(QColor(Qt::white));
}

QString outputText(const QStringList &lines, OutputFormat format, bool csvLineBreaks,
                   const QString &lineBreak)
{
    const QString lineEnd = format == OutputFormat::Csv && !csvLineBreaks ? QString() : lineBreak;
    QString text;
    for (const QString &line : lines)
        text += line + lineEnd;
    return text;
}
