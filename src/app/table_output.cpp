#include "app/table_output.h"

#include "app/program_state.h"
#include "collect/system_path.h"
#include "common/safe_file.h"
#include "encoding/write_text_file.h"
#include "table/act_array_fill.h"
#include "table/layout_parts.h"
#include "table/output_settings.h"
#include "table/table_layout.h"
#include "table/value_formats.h"

#include <QDir>
#include <QFileInfo>

OutputFormat chosenOutputFormat(const ProgramState &state)
{
    return chosenOutputFormat(state.settings);
}

OutputFormat chosenOutputFormat(const Settings &settings)
{
    return outputFormatOf(settings.value(PB::out_format));
}

WrittenManifest rowsManifest(const QVector<FileEntry> &rows, ManifestKind kind, const QString &folder,
                             const std::atomic_bool *stop)
{
    QList<QByteArray> paths;
    paths.reserve(rows.size());
    for (const FileEntry &row : rows)
        paths.append(row.systemPath());
    return writtenManifest(kind, paths, encodedPath(folder), stop);
}

QList<QByteArray> saveManifest(const QVector<FileEntry> &rows, ManifestKind kind, const QString &path)
{
    const WrittenManifest manifest = rowsManifest(rows, kind, QFileInfo(path).absolutePath());
    writeFileSafely(path, manifest.bytes(), fileCreationError(path));
    return manifest.unreadable;
}

QStringList buildOutputLines(const Settings &settings, const QVector<FileEntry> &rows,
                             const LocaleFormat &locale, const std::atomic_bool *stop)
{
    const OutputFormat format = chosenOutputFormat(settings);
    if (const std::optional<ManifestKind> kind = manifestKindOf(format)) {
        QStringList lines;
        for (const QByteArray &line : rowsManifest(rows, *kind, QDir::currentPath(), stop).lines)
            lines.append(shownPath(line.chopped(1)));
        return lines;
    }
    if (isValueTextFormat(format)) {
        QStringList lines;
        writeValueTextTable(rows, settings, locale, format, [&lines, stop](const QStringList &block) {
            lines += block;
            return !(stop && *stop);
        });
        return stop && *stop ? QStringList() : lines;
    }
    const TableCells table = fillActArray(rows, settings, locale, format, stop);
    if (stop && *stop)
        return {};
    ListTotals totals;
    totals.files = rows.size();
    for (const FileEntry &row : rows)
        totals.bytes += row.bytes;
    return layOutTable(table.actArray, table.cellTable, settings, format, settings.language(), locale,
                       totals);
}

QStringList buildOutputLines(const ProgramState &state, const LocaleFormat &locale)
{
    return buildOutputLines(state.settings, state.fileList.rows(), locale);
}

bool outputInBlocks(const ProgramState &state)
{
    const OutputFormat format = chosenOutputFormat(state);
    return isValueTextFormat(format) ||
           (format == OutputFormat::Csv && !state.settings.isOn(PB::des_grup_ja));
}

bool writeOutputInBlocks(const ProgramState &state, const LocaleFormat &locale,
                         const std::function<bool(const QStringList &lines)> &write)
{
    constexpr qsizetype RowsPerBlock = 8192;
    const QVector<FileEntry> &rows = state.fileList.rows();
    const OutputFormat format = chosenOutputFormat(state);
    if (isValueTextFormat(format))
        return writeValueTextTable(rows, state.settings, locale, format, write);
    LayoutOptions options = LayoutOptions::read(state.settings);
    for (qsizetype from = 0; from < rows.size(); from += RowsPerBlock) {
        const TableCells table =
            fillActArray(std::span(rows).subspan(from, std::min(RowsPerBlock, rows.size() - from)),
                         state.settings, locale, OutputFormat::Csv);
        if (table.actArray.isEmpty())
            return true;
        QStringList lines = csvLayout({table.actArray, table.cellTable, options, OutputFormat::Csv,
                                       state.settings.language(), locale, ListTotals{}});
        // As in the whole table, an empty first line is left out.
        if (from == 0 && !lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
        if (!write(lines))
            return false;
        options.columnHeaders = false; // the header line belongs to the first block only
    }
    return true;
}

QColor pictureBackground(const ProgramState &state)
{
    return edit1Colour(state.settings.value(EA::Edit1)).value_or(QColor(Qt::white));
}

QString outputLineEnd(OutputFormat format, bool csvLineBreaks, const QString &lineBreak)
{
    return format == OutputFormat::Csv && !csvLineBreaks ? QString() : lineBreak;
}

QString outputText(const QStringList &lines, OutputFormat format, bool csvLineBreaks,
                   const QString &lineBreak)
{
    const QString lineEnd = outputLineEnd(format, csvLineBreaks, lineBreak);
    QString text;
    for (const QString &line : lines)
        text += line + lineEnd;
    return text;
}

void saveTableText(const QString &text, const QString &path, const Settings &settings,
                   const PictureWriter &writePicture)
{
    if (isValueTextFormat(chosenOutputFormat(settings)))
        writeUtf8TextFile(text, path);
    else
        writeTextFile(text, path, currentTextEncoding(settings), writePicture);
}
