#pragma once
// The fixed palette of 216 web colours that GIF pictures are reduced to.
#include <QImage>
#include <QRgb>

// The level 0 to 5 of one colour component 0 to 255; a level stands for the component level × 51.
constexpr int webPaletteLevel(int component)
{
    return (component + 3) / 51;
}

// The palette entry of a colour: 36 × red level + 6 × green level + blue level.
constexpr int webPaletteIndex(QRgb colour)
{
    return 36 * webPaletteLevel(qRed(colour)) + 6 * webPaletteLevel(qGreen(colour)) +
           webPaletteLevel(qBlue(colour));
}

// The picture with 8-bit indexes into the 216 colours, each pixel mapped on its own
// (no dithering). Null for a null picture.
QImage reduceToWebPalette(const QImage &picture);
