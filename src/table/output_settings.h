#pragma once
// The rules of the output settings window: the picture background typed as "#RRGGBB" and the
// text colour that stays readable on it.
#include <QColor>
#include <QString>
#include <optional>

// The colour an `Edit1` text names: every "#" removed, exactly six hexadecimal digits must
// remain, read as red, green and blue. Nothing for any other text.
std::optional<QColor> edit1Colour(const QString &text);
// "#" and RRGGBB in upper-case digits, red first: the text a chosen colour puts into `Edit1`.
QString edit1Text(const QColor &colour);
// Black on a light background (red + green + blue of at least 500), white on a dark one.
QColor readableTextColour(const QColor &background);

// The page about the text file formats, linked below the encoding buttons.
QString textFormatsWebAddress();
