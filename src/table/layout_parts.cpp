#include "table/layout_parts.h"

#include "common/message_catalogue.h"
#include "common/settings.h"
#include "table/number_format.h"

#include <algorithm>

LayoutOptions LayoutOptions::read(const Settings &settings)
{
    LayoutOptions options;
    options.title = settings.isOn(PB::des_allg_header_cb);
    options.titleText = settings.value(PB::des_allg_header);
    options.dashes = settings.isOn(PB::des_allg_striche_cb);
    options.dashText = settings.value(PB::des_allg_striche);
    options.columnHeaders = settings.isOn(PB::des_allg_spaltenheader);
    options.endCount = settings.isOn(PB::des_allg_endeanzahl);
    options.endSize = settings.isOn(PB::des_allg_endesize);
    options.delimited = settings.isOn(PB::des_tab_zeichen);
    const QString fill = settings.value(PB::des_tab_pz);
    options.fill = fill.isEmpty() ? QChar(u' ') : fill.front();
    options.delimiter = settings.value(PB::des_tab_z);
    if (settings.isOn(PB::des_tab_zeichen_ende))
        options.lineEnd = settings.value(PB::des_tab_zeichen_ende_zeichen);
    options.grouped = settings.isOn(PB::des_grup_ja);
    options.groupHeading = settings.isOn(PB::des_grup_header);
    options.groupHeaders = settings.isOn(PB::des_grup_oben);
    options.groupEndInfo = settings.isOn(PB::des_grup_unten);
    options.csvSeparator = settings.value(EA::csv_trenn);
    options.csvEnd = settings.value(EA::csv_end);
    options.csvEnclosure = settings.value(EA::csv_inc);
    return options;
}

QStringList LayoutInput::headers() const
{
    QStringList headers;
    for (const OutputColumn &column : columns)
        headers << column.header;
    return headers;
}

void walkRows(const LayoutInput &in, const RowWalk &walk)
{
    if (!in.options.grouped) {
        for (const QStringList &row : in.cells)
            walk.row(row);
        return;
    }
    // The key and the size in bytes follow the output cells.
    const qsizetype keyCell = in.columnCount();
    QString currentKey;
    qint64 files = 0;
    qint64 bytes = 0;
    for (qsizetype i = 0; i < in.cells.size(); ++i) {
        const QStringList &row = in.cells[i];
        if (row.value(keyCell) != currentKey) {
            currentKey = row.value(keyCell);
            walk.groupStarts(currentKey);
        }
        walk.row(row);
        ++files;
        bytes += row.value(keyCell + 1).toLongLong();
        if (i + 1 == in.cells.size() || in.cells[i + 1].value(keyCell) != currentKey) {
            walk.groupEnds(files, bytes);
            files = 0;
            bytes = 0;
        }
    }
}

QString endInfoText(const LayoutOptions &options, Language language, const LocaleFormat &locale, qint64 files,
                    qint64 bytes)
{
    QString text;
    if (options.endCount)
        text = QString::number(files) + countSuffix(files, language);
    if (options.endSize)
        text =
            text.isEmpty() ? sizeText(bytes, locale) : text + QStringLiteral("; ") + sizeText(bytes, locale);
    return text;
}

void addEndInfo(QStringList &lines, const LayoutInput &in, qint64 files, qint64 bytes)
{
    QString text = endInfoText(in.options, in.language, in.locale, files, bytes);
    if (text.isEmpty())
        return;
    if (in.options.dashes)
        lines << DashMarker;
    if (in.format == OutputFormat::Htm)
        text = QStringLiteral("<i>") + text + QStringLiteral("</i>");
    else if (in.picture())
        text.prepend(PictureItalicMarker);
    lines << text;
}

qsizetype longestLine(const QStringList &lines)
{
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = std::max(longest, line.size());
    return longest;
}
