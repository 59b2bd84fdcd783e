#pragma once
// Drawing the finished output lines as a picture, for the preview, saving and copying.
#include "common/settings.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QStringList>
#include <optional>

// Fonts are measured and drawn at this resolution whatever the screen, so a picture
// comes out the same in the window, in the command-line program and in tests.
inline constexpr int pictureDotsPerMeter = 3780; // 96 dots per inch

// Text measured as pictures measure it, at that resolution.
QFontMetrics pictureMetrics(const QFont &font);

// The table's lines: a line starting with "%F%" is drawn bold, one starting with "%K%" italic,
// both without the marker; every other line regular. The width follows the line with the
// most characters, marker included, measured in the font's own style.
// Empty when the picture cannot be made (too large).
std::optional<QImage> drawTablePicture(const QStringList &lines, const StyledFont &font,
                                       const QColor &background);

// Plain text lines, all in the font's own style and without markers; the width follows the
// widest line. For text saved under a picture file name.
std::optional<QImage> drawTextPicture(const QStringList &lines, const StyledFont &font,
                                      const QColor &background);
