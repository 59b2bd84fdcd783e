#include "table/table_layout.h"

#include "common/language.h"
#include "common/maker_address.h"
#include "table/layout_parts.h"

namespace {

QStringList layoutLines(const LayoutInput &in)
{
    switch (in.format) {
    case OutputFormat::Htm:
        return htmlLayout(in);
    case OutputFormat::Csv:
        return csvLayout(in);
    default:
        // A picture has no delimited form: it then shows the footer only.
        if (in.picture() && in.options.delimited)
            return {};
        return textLayout(in);
    }
}

void addFooter(QStringList &lines, OutputFormat format, Language language)
{
    const bool german = isGerman(language);
    if (format == OutputFormat::Htm) {
        lines << (german ? QStringLiteral("<br><br><br>Erstellt mit dem ")
                         : QStringLiteral("<br><br><br>Created with ")) +
                     QStringLiteral(R"(<a href=")") + MakerWebAddress + QStringLiteral(R"(">Tabulix</a>.)");
        return;
    }
    // A narrow table gets the address on a line of its own.
    const bool narrow = longestLine(lines) < (german ? 73 : 61);
    const QString italic = isPictureFormat(format) ? PictureItalicMarker : QString();
    const QString madeWith =
        german ? QStringLiteral("Erstellt mit dem Tabulix") : QStringLiteral("Created with Tabulix");
    lines << QString() << QString();
    if (narrow)
        lines << italic + madeWith + u'.' << italic + MakerWebAddress;
    else
        lines << italic + madeWith + QStringLiteral(" - ") + MakerWebAddress + u'.';
}

} // namespace

QStringList layOutTable(const ActArray &columns, const CellTable &cells, const Settings &settings,
                        OutputFormat format, Language language, const LocaleFormat &locale, ListTotals totals)
{
    if (cells.isEmpty() || cells.first().isEmpty())
        return {};
    const LayoutOptions options = LayoutOptions::read(settings);
    const LayoutInput in{columns, cells, options, format, language, locale, totals};
    QStringList lines = layoutLines(in);
    if (format != OutputFormat::Csv)
        addFooter(lines, format, language);
    if (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines;
}
