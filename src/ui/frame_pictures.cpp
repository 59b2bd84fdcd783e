#include "ui/frame_pictures.h"

#include <QPainter>

QColor shiftedColour(const QColor &colour, int delta)
{
    const auto shift = [delta](int channel) { return ((channel + delta) % 256 + 256) % 256; };
    return QColor(shift(colour.red()), shift(colour.green()), shift(colour.blue()));
}

QImage closeButtonPicture(const QColor &buttonFace, bool active)
{
    QImage picture(12, 12, QImage::Format_RGB32);
    picture.fill(buttonFace);
    QPainter painter(&picture);
    const QColor ink = shiftedColour(buttonFace, active ? 106 : -90);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(0, 0, 11, 11);
    painter.setPen(QPen(ink, 2));
    painter.drawLine(3, 3, 8, 8);
    painter.drawLine(8, 3, 3, 8);
    if (!active) {
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(1, 1, 1, 10);
        painter.drawLine(1, 1, 10, 1);
        painter.drawLine(10, 1, 10, 10);
        painter.drawLine(1, 10, 10, 10);
    }
    return picture;
}
