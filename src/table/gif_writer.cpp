#include "table/gif_writer.h"

#include "table/web_palette.h"

#include <gif_lib.h>
#include <memory>
#include <new>

namespace {

constexpr int maxSide = 65535;
constexpr int colourTableSize = 256; // the format wants a power of two

// No exception may cross the library; a short write makes it report the failure instead.
int appendToBytes(GifFileType *gif, const GifByteType *data, int length)
{
    try {
        static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
        return length;
    } catch (const std::bad_alloc &) {
        return 0;
    }
}

struct MapDeleter {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, MapDeleter> colourTable(const QImage &reduced)
{
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(colourTableSize, nullptr));
    if (!map)
        return map;
    const QList<QRgb> colours = reduced.colorTable();
    for (qsizetype i = 0; i < colourTableSize; ++i) {
        const QRgb colour = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))};
    }
    return map;
}

bool writeImage(GifFileType *gif, QImage &reduced, const ColorMapObject *map)
{
    if (EGifPutScreenDesc(gif, reduced.width(), reduced.height(), 8, 0, map) == GIF_ERROR ||
        EGifPutImageDesc(gif, 0, 0, reduced.width(), reduced.height(), false, nullptr) == GIF_ERROR)
        return false;
    for (int y = 0; y < reduced.height(); ++y)
        if (EGifPutLine(gif, reduced.scanLine(y), reduced.width()) == GIF_ERROR)
            return false;
    return true;
}

} // namespace

std::optional<QByteArray> encodeGif(const QImage &picture)
{
    if (picture.width() > maxSide || picture.height() > maxSide)
        return std::nullopt;
    QImage reduced = reduceToWebPalette(picture);
    if (reduced.isNull())
        return std::nullopt;
    const auto map = colourTable(reduced);
    if (!map)
        return std::nullopt;

    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBytes, &error);
    if (!gif)
        return std::nullopt;
    const bool written = writeImage(gif, reduced, map.get());
    // Closing writes the trailer and frees the writer whether or not the image went through.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    if (!written || !closed)
        return std::nullopt;
    return bytes;
}
