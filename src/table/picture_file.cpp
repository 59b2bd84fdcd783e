#include "table/picture_file.h"

#include "common/paths.h"
#include "common/safe_file.h"
#include "common/tabulix_error.h"
#include "table/bmp_writer.h"
#include "table/gif_writer.h"
#include "table/jpeg_writer.h"
#include "table/output_targets.h"

#include <new>

std::optional<OutputFormat> pictureFormatOfFileName(const QString &fileName)
{
    const QString extension = formatOfExtension(fileName);
    if (extension == u"BMP")
        return OutputFormat::Bmp;
    if (extension == u"GIF")
        return OutputFormat::Gif;
    if (extension == u"JPG" || extension == u"JPEG")
        return OutputFormat::Jpg;
    return std::nullopt;
}

std::optional<QByteArray> encodePicture(const QImage &picture, OutputFormat format)
{
    try {
        switch (format) {
        case OutputFormat::Bmp:
            return encodeBmp(picture);
        case OutputFormat::Jpg:
            return encodeJpeg(picture);
        case OutputFormat::Gif:
            return encodeGif(picture);
        case OutputFormat::Txt:
        case OutputFormat::Csv:
        case OutputFormat::Htm:
        case OutputFormat::Xlsx:
        case OutputFormat::Json:
        case OutputFormat::Md:
        case OutputFormat::Html:
        case OutputFormat::Md5sum:
        case OutputFormat::Sha1sum:
        case OutputFormat::Sha256sum:
        case OutputFormat::Sha512sum:
        case OutputFormat::Sfv:
            break;
        }
    } catch (const std::bad_alloc &) {
        // A picture too large for memory is one more way encoding fails.
    }
    return std::nullopt;
}

namespace {

QString pictureError(const QString &path)
{
    return QStringLiteral("Cannot create the picture \"%1\".").arg(path);
}

void saveOrThrow(const std::optional<QImage> &picture, const QString &path, OutputFormat format)
{
    if (!picture)
        throw TabulixError(pictureError(path));
    savePicture(*picture, path, format);
}

} // namespace

void savePicture(const QImage &picture, const QString &path, OutputFormat format)
{
    const std::optional<QByteArray> bytes = encodePicture(picture, format);
    if (!bytes)
        throw TabulixError(pictureError(path));
    writeFileSafely(path, *bytes, pictureError(path));
}

void writeTablePicture(const QStringList &lines, const QString &path, OutputFormat format,
                       const StyledFont &font, const QColor &background)
{
    saveOrThrow(drawTablePicture(lines, font, background), path, format);
}

void writeTextPicture(const QString &text, const QString &path, const StyledFont &font,
                      const QColor &background)
{
    // A name without a picture extension has no picture format, so it fails as an unsaved picture.
    const OutputFormat format = pictureFormatOfFileName(path).value_or(OutputFormat::Txt);
    saveOrThrow(drawTextPicture(textPictureLines(text), font, background), path, format);
}
