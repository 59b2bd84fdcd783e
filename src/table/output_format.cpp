#include "table/output_format.h"

#include "common/language.h"

namespace {

const struct {
    OutputFormat format;
    const char16_t *tag;
    const char16_t *german;
    const char16_t *english;
} formats[] = {
    {OutputFormat::Txt, u"txt", u"Textdatei (*.txt)", u"Text File (*.txt)"},
    {OutputFormat::Csv, u"csv", u"Comma Separated Values (*.csv)", u"Comma Separated Values (*.csv)"},
    {OutputFormat::Gif, u"gif", u"GIF-Bild (*.gif)", u"GIF-Image (*.gif)"},
    {OutputFormat::Jpg, u"jpg", u"JPEG-Bild (*.jpg)", u"JPEG-Image (*.jpg)"},
    {OutputFormat::Bmp, u"bmp", u"Bitmap-Bild (*.bmp)", u"Bitmap-Image (*.bmp)"},
    {OutputFormat::Htm, u"htm", u"HTML-Tabelle (*.htm)", u"HTML-Table (*.htm)"},
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
            return QString::fromUtf16(isGerman(language) ? entry.german : entry.english);
    return {};
}

std::optional<OutputFormat> outputFormatOfTag(const QString &tag)
{
    for (const auto &entry : formats)
        if (tag == QStringView(entry.tag))
            return entry.format;
    return std::nullopt;
}
