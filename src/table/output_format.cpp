#include "table/output_format.h"

OutputFormat outputFormatOf(const QString &outFormatText)
{
    static const struct {
        const char16_t *tag;
        OutputFormat format;
    } tags[] = {{u"txt", OutputFormat::Txt}, {u"csv", OutputFormat::Csv}, {u"htm", OutputFormat::Htm},
                {u"jpg", OutputFormat::Jpg}, {u"bmp", OutputFormat::Bmp}, {u"gif", OutputFormat::Gif}};
    for (const auto &[tag, format] : tags)
        if (outFormatText.contains(QStringView(tag)))
            return format;
    return OutputFormat::Txt;
}

bool isPictureFormat(OutputFormat format)
{
    return format == OutputFormat::Jpg || format == OutputFormat::Bmp || format == OutputFormat::Gif;
}
