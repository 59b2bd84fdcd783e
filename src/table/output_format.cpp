#include "table/output_format.h"

#include "common/language.h"

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
};

} // namespace

OutputFormat outputFormatOf(const QString &outFormatText)
{
    // The tags are looked for in this order, not in the order of the items.
    for (const OutputFormat format : {OutputFormat::Txt, OutputFormat::Csv, OutputFormat::Htm,
                                      OutputFormat::Jpg, OutputFormat::Bmp, OutputFormat::Gif})
        for (const auto &entry : formats)
            if (entry.format == format && outFormatText.contains(QStringView(entry.tag)))
                return format;
    return OutputFormat::Txt;
}

bool isPictureFormat(OutputFormat format)
{
    return format == OutputFormat::Jpg || format == OutputFormat::Bmp || format == OutputFormat::Gif;
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

std::optional<OutputFormat> outputFormatOfTag(const QString &tag)
{
    for (const auto &entry : formats)
        if (tag == QStringView(entry.tag))
            return entry.format;
    return std::nullopt;
}
