#include "table/output_targets.h"

PreviewChoice previewChoiceFor(OutputFormat format)
{
    // The page shows its table in the web view, which runs none of its script.
    if (format == OutputFormat::Htm || format == OutputFormat::Html)
        return {PreviewView::Web, false, true};
    if (isPictureFormat(format))
        return {PreviewView::Picture, true, false};
    return {PreviewView::Text, false, false};
}

SaveFileType saveFileTypeFor(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Txt:
        break;
    case OutputFormat::Csv:
        return {QStringLiteral("CSV (*.csv)"), QStringLiteral("csv")};
    case OutputFormat::Htm:
        return {QStringLiteral("HTML (*.htm)"), QStringLiteral("htm")};
    case OutputFormat::Bmp:
        return {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("bmp")};
    case OutputFormat::Jpg:
        return {QStringLiteral("JPEG (*.jpg)"), QStringLiteral("jpg")};
    case OutputFormat::Gif:
        return {QStringLiteral("GIF (*.gif)"), QStringLiteral("gif")};
    case OutputFormat::Xlsx:
        return {QStringLiteral("Excel (*.xlsx)"), QStringLiteral("xlsx")};
    case OutputFormat::Json:
        return {QStringLiteral("JSON (*.json)"), QStringLiteral("json")};
    case OutputFormat::Md:
        return {QStringLiteral("Markdown (*.md)"), QStringLiteral("md")};
    case OutputFormat::Html:
        return {QStringLiteral("HTML (*.html)"), QStringLiteral("html")};
    case OutputFormat::Md5sum:
        return {QStringLiteral("MD5 (*.md5)"), QStringLiteral("md5")};
    case OutputFormat::Sha1sum:
        return {QStringLiteral("SHA-1 (*.sha1)"), QStringLiteral("sha1")};
    case OutputFormat::Sha256sum:
        return {QStringLiteral("SHA-256 (*.sha256)"), QStringLiteral("sha256")};
    case OutputFormat::Sha512sum:
        return {QStringLiteral("SHA-512 (*.sha512)"), QStringLiteral("sha512")};
    case OutputFormat::Sfv:
        return {QStringLiteral("SFV (*.sfv)"), QStringLiteral("sfv")};
    }
    return {QStringLiteral("Text (*.txt)"), QStringLiteral("txt")};
}

QStringList textPictureLines(const QString &text)
{
    QStringList lines = QString(text + QStringLiteral("\r\n")).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}
