#include "table/output_format.h"

#include "common/language.h"

#include <algorithm>
#include <iterator>

namespace {

const struct {
    OutputFormat format;
    const char16_t *tag;
    BilingualText item;
} formats[] = {
    {OutputFormat::Txt, u"txt", "Textdatei (*.txt)", "Text File (*.txt)"},
    {OutputFormat::Csv, u"csv", "Comma Separated Values (*.csv)", "Comma Separated Values (*.csv)"},
    {OutputFormat::Gif, u"gif", "GIF-Bild (*.gif)", "GIF-Image (*.gif)"},
    {OutputFormat::Jpg, u"jpg", "JPEG-Bild (*.jpg)", "JPEG-Image (*.jpg)"},
    {OutputFormat::Bmp, u"bmp", "Bitmap-Bild (*.bmp)", "Bitmap-Image (*.bmp)"},
    {OutputFormat::Htm, u"htm", "HTML-Tabelle (*.htm)", "HTML-Table (*.htm)"},
    {OutputFormat::Xlsx, u"xlsx", "Excel-Arbeitsmappe (*.xlsx)", "Excel Workbook (*.xlsx)"},
    {OutputFormat::Json, u"json", "JSON-Daten (*.json)", "JSON Data (*.json)"},
    {OutputFormat::Md, u"md", "Markdown-Tabelle (*.md)", "Markdown Table (*.md)"},
    {OutputFormat::Html, u"html", "HTML-Seite mit Suche (*.html)", "HTML Page with Search (*.html)"},
};

// The formats of the first six items, found by the tag alone; the later ones by "(*.tag)",
// since "html" contains "htm".
constexpr OutputFormat taggedBySubstring[] = {OutputFormat::Txt, OutputFormat::Csv, OutputFormat::Htm,
                                              OutputFormat::Jpg, OutputFormat::Bmp, OutputFormat::Gif};

bool foundBySubstring(OutputFormat format)
{
    return std::find(std::begin(taggedBySubstring), std::end(taggedBySubstring), format) !=
           std::end(taggedBySubstring);
}

} // namespace

OutputFormat outputFormatOf(const QString &outFormatText)
{
    for (const auto &entry : formats)
        if (!foundBySubstring(entry.format) &&
            outFormatText.contains(QStringLiteral("(*.") + QStringView(entry.tag) + u')'))
            return entry.format;
    // The tags are looked for in this order, not in the order of the items.
    for (const OutputFormat format : taggedBySubstring)
        for (const auto &entry : formats)
            if (entry.format == format && outFormatText.contains(QStringView(entry.tag)))
                return format;
    return OutputFormat::Txt;
}

bool isPictureFormat(OutputFormat format)
{
    return format == OutputFormat::Jpg || format == OutputFormat::Bmp || format == OutputFormat::Gif;
}

bool isBinaryFormat(OutputFormat format)
{
    return isPictureFormat(format) || format == OutputFormat::Xlsx;
}

QString outFormatItem(OutputFormat format, Language language)
{
    for (const auto &entry : formats)
        if (entry.format == format)
            return entry.item.in(language);
    return {};
}

QStringList outFormatItems(Language language)
{
    QStringList items;
    for (const auto &entry : formats)
        items.append(entry.item.in(language));
    return items;
}

QStringList outputFormatTags()
{
    QStringList tags;
    for (const auto &entry : formats)
        tags.append(QString::fromUtf16(entry.tag));
    return tags;
}

std::optional<OutputFormat> outputFormatOfTag(const QString &tag)
{
    for (const auto &entry : formats)
        if (tag == QStringView(entry.tag))
            return entry.format;
    return std::nullopt;
}
