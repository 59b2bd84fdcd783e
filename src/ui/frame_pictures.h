#pragma once
// Colours and small pictures of the main window's frame, derived from the button face.
#include <QColor>
#include <QImage>

// Each of red, green and blue changed by delta, wrapping modulo 256.
QColor shiftedColour(const QColor &colour, int delta);
// The 12 x 12 close button of an area header, drawn inactive or under the mouse.
QImage closeButtonPicture(const QColor &buttonFace, bool active);
