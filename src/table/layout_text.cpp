// The two plain-text layouts: columns padded to equal width (also the text of a picture),
// or cells joined with a delimiter.
#include "table/layout_parts.h"

#include <algorithm>

namespace {

// Every column as wide as its longest cell (and header, when headers are written) plus two.
QList<qsizetype> columnWidths(const LayoutInput &in)
{
    QList<qsizetype> widths(in.columnCount(), 0);
    for (const QStringList &row : in.cells)
        for (qsizetype j = 0; j < widths.size(); ++j)
            widths[j] = std::max(widths[j], row.value(j).size());
    for (qsizetype j = 0; j < widths.size(); ++j) {
        if (in.options.columnHeaders)
            widths[j] = std::max(widths[j], in.columns[j].header.size());
        widths[j] += 2;
    }
    return widths;
}

// Right-aligned texts end two fill characters before the column's end. Nothing is ever cut.
// The line is made in one piece: this runs once per row of the table.
QString paddedLine(const QStringList &texts, const LayoutInput &in, const QList<qsizetype> &widths)
{
    const QChar fill = in.options.fill;
    const auto padTo = [fill](QString &line, qsizetype size) {
        if (line.size() < size)
            line.resize(size, fill);
    };
    qsizetype total = 0;
    for (const qsizetype width : widths)
        total += width;
    QString line;
    line.reserve(total);
    for (qsizetype j = 0; j < widths.size(); ++j) {
        const QString text = texts.value(j);
        const qsizetype end = line.size() + widths[j];
        if (in.columns[j].rightAligned) {
            padTo(line, end - text.size() - 2);
            line += text;
            line.resize(line.size() + 2, fill);
        } else {
            line += text;
            padTo(line, end);
        }
    }
    return line;
}

QString delimitedLine(const QStringList &texts, const LayoutInput &in)
{
    return texts.mid(0, in.columnCount()).join(in.options.delimiter) + in.options.lineEnd;
}

// Padded: the dash line is one repetition longer than the widest line; beyond 25 characters
// every line is held to the widest minus two, which drops the trailing fill of the widest rows.
void finishPaddedDashes(QStringList &lines, const LayoutInput &in)
{
    const qsizetype widest = longestLine(lines) - (in.picture() ? PictureBoldMarker.size() : 0);
    const QString dashLine = widest < 0 ? QString() : in.options.dashText.repeated(widest + 1);
    for (QString &line : lines) {
        if (line == DashMarker)
            line = dashLine;
        if (widest > 25 && line.size() > widest - 2)
            line.truncate(widest - 2);
    }
}

// Delimited: the dash line is exactly as wide as the widest line; nothing else is cut.
void finishDelimitedDashes(QStringList &lines, const LayoutInput &in)
{
    const qsizetype widest = longestLine(lines);
    const QString dashLine = in.options.dashText.repeated(widest + 1).left(widest);
    std::replace(lines.begin(), lines.end(), DashMarker, dashLine);
}

} // namespace

QStringList textLayout(const LayoutInput &in)
{
    const LayoutOptions &options = in.options;
    const bool padded = !options.delimited;
    const QList<qsizetype> widths = padded ? columnWidths(in) : QList<qsizetype>();
    const auto tableLine = [&](const QStringList &texts) {
        return padded ? paddedLine(texts, in, widths) : delimitedLine(texts, in);
    };
    // Only the padded layout ever serves a picture.
    const QString bold = in.picture() ? PictureBoldMarker : QString();
    const QStringList headers = in.headers();

    QStringList lines;
    const auto addHeaderLine = [&] {
        lines << bold + tableLine(headers);
        if (options.dashes)
            lines << DashMarker;
    };
    if (options.title)
        lines << bold + options.titleText << QString();
    if (options.columnHeaders)
        addHeaderLine();

    // Under a group heading, padded text draws a dash line only when no column header
    // follows, delimited text only when one does.
    const bool dashUnderKey = options.dashes && (padded ? !options.groupHeaders : options.groupHeaders);
    walkRows(in, {.groupStarts =
                      [&](const QString &key) {
                          if (options.groupHeading)
                              lines << QString() << key << (dashUnderKey ? DashMarker : QString());
                          if (options.groupHeaders)
                              addHeaderLine();
                      },
                  .row = [&](const QStringList &row) { lines << tableLine(row); },
                  .groupEnds =
                      [&](qint64 files, qint64 bytes) {
                          if (options.groupEndInfo)
                              addEndInfo(lines, in, files, bytes);
                          lines << QString();
                      }});
    addEndInfo(lines, in, in.totals.files, in.totals.bytes);

    if (options.dashes) {
        if (padded)
            finishPaddedDashes(lines, in);
        else
            finishDelimitedDashes(lines, in);
    }
    return lines;
}
