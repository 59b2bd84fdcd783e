#include "table/web_palette.h"

#include <QList>

namespace {

QList<QRgb> webColours()
{
    QList<QRgb> colours;
    colours.reserve(216);
    for (int red = 0; red < 6; ++red)
        for (int green = 0; green < 6; ++green)
            for (int blue = 0; blue < 6; ++blue)
                colours.append(qRgb(red * 51, green * 51, blue * 51));
    return colours;
}

} // namespace

QImage reduceToWebPalette(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage reduced(rgb.size(), QImage::Format_Indexed8);
    if (rgb.isNull() || reduced.isNull())
        return QImage();
    reduced.setColorTable(webColours());
    reduced.setDotsPerMeterX(rgb.dotsPerMeterX());
    reduced.setDotsPerMeterY(rgb.dotsPerMeterY());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *target = reduced.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            target[x] = uchar(webPaletteIndex(source[x]));
    }
    return reduced;
}
