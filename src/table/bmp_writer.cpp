#include "table/bmp_writer.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;

template <typename T> void append(QByteArray &bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(T));
}

} // namespace

std::optional<QByteArray> encodeBmp(const QImage &picture)
{
    if (picture.isNull())
        return std::nullopt;
    const qint64 rowSize = (qint64(picture.width()) * 3 + 3) / 4 * 4;
    const qint64 imageSize = rowSize * picture.height();
    const qint64 fileSize = fileHeaderSize + infoHeaderSize + imageSize;
    if (fileSize > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return std::nullopt;

    QByteArray bytes;
    bytes.append("BM", 2);
    append<uint32_t>(bytes, uint32_t(fileSize));
    append<uint32_t>(bytes, 0); // two reserved words
    append<uint32_t>(bytes, fileHeaderSize + infoHeaderSize);

    append<uint32_t>(bytes, infoHeaderSize);
    append<int32_t>(bytes, rgb.width());
    append<int32_t>(bytes, rgb.height()); // positive: the rows run bottom-up
    append<uint16_t>(bytes, 1);           // planes
    append<uint16_t>(bytes, 24);          // bits per pixel
    append<uint32_t>(bytes, 0);           // no compression
    append<uint32_t>(bytes, uint32_t(imageSize));
    append<int32_t>(bytes, rgb.dotsPerMeterX());
    append<int32_t>(bytes, rgb.dotsPerMeterY());
    append<uint32_t>(bytes, 0); // colours used: all
    append<uint32_t>(bytes, 0); // important colours: all

    bytes.resize(fileSize);
    char *out = bytes.data() + fileHeaderSize + infoHeaderSize;
    const qint64 padding = rowSize - qint64(rgb.width()) * 3;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar *pixel = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, pixel += 3) {
            *out++ = char(pixel[2]);
            *out++ = char(pixel[1]);
            *out++ = char(pixel[0]);
        }
        out = std::fill_n(out, padding, '\0');
    }
    return bytes;
}
