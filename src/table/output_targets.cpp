#include "table/output_targets.h"

PreviewChoice previewChoiceFor(OutputFormat format)
{
    if (format == OutputFormat::Htm)
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
    }
    return {QStringLiteral("Text (*.txt)"), QStringLiteral("txt")};
}

QStringList textPictureLines(const QString &text)
{
    QStringList lines = QString(text + QStringLiteral("\r\n")).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}
