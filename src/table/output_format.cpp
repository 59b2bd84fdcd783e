#include "table/output_format.h"

#include "common/language.h"

#include <algorithm>
#include <iterator>

namespace {

const struct {
    OutputFormat format;
    const char16_t *tag;
    const char16_t *suffix; // of the file names the item's "(*.suffix)" stands for
    BilingualText item;
} formats[] = {
    {OutputFormat::Txt, u"txt", u"txt", "Textdatei (*.txt)", "Text File (*.txt)"},
    {OutputFormat::Csv, u"csv", u"csv", "Comma Separated Values (*.csv)", "Comma Separated Values (*.csv)"},
    {OutputFormat::Gif, u"gif", u"gif", "GIF-Bild (*.gif)", "GIF-Image (*.gif)"},
    {OutputFormat::Jpg, u"jpg", u"jpg", "JPEG-Bild (*.jpg)", "JPEG-Image (*.jpg)"},
    {OutputFormat::Bmp, u"bmp", u"bmp", "Bitmap-Bild (*.bmp)", "Bitmap-Image (*.bmp)"},
    {OutputFormat::Htm, u"htm", u"htm", "HTML-Tabelle (*.htm)", "HTML-Table (*.htm)"},
    {OutputFormat::Xlsx, u"xlsx", u"xlsx", "Excel-Arbeitsmappe (*.xlsx)", "Excel Workbook (*.xlsx)"},
    {OutputFormat::Json, u"json", u"json", "JSON-Daten (*.json)", "JSON Data (*.json)"},
    {OutputFormat::Md, u"md", u"md", "Markdown-Tabelle (*.md)", "Markdown Table (*.md)"},
    {OutputFormat::Html, u"html", u"html", "HTML-Seite mit Suche (*.html)", "HTML Page with Search (*.html)"},
    {OutputFormat::Md5sum, u"md5sum", u"md5", "MD5-Prüfsummendatei (*.md5)", "MD5 Checksum File (*.md5)"},
    {OutputFormat::Sha1sum, u"sha1sum", u"sha1", "SHA-1-Prüfsummendatei (*.sha1)", "SHA-1 Checksum File (*.sha1)"},
    {OutputFormat::Sha256sum, u"sha256sum", u"sha256", "SHA-256-Prüfsummendatei (*.sha256)",
     "SHA-256 Checksum File (*.sha256)"},
    {OutputFormat::Sha512sum, u"sha512sum", u"sha512", "SHA-512-Prüfsummendatei (*.sha512)",
     "SHA-512 Checksum File (*.sha512)"},
    {OutputFormat::Sfv, u"sfv", u"sfv", "SFV-Prüfsummendatei (*.sfv)", "SFV Checksum File (*.sfv)"},
};

// The formats of the first six items, found by the tag alone; the later ones by "(*.suffix)",
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
            outFormatText.contains(QStringLiteral("(*.") + QStringView(entry.suffix) + u')'))
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

bool isManifestFormat(OutputFormat format)
{
    return format == OutputFormat::Md5sum || format == OutputFormat::Sha1sum || format == OutputFormat::Sha256sum ||
           format == OutputFormat::Sha512sum || format == OutputFormat::Sfv;
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
