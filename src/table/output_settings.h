#pragma once
// The rules and captions of the output settings window: the picture background typed as
// "#RRGGBB", the text colour that stays readable on it, and every caption in both languages.
#include "common/language.h"

#include <QColor>
#include <QString>
#include <QVector>
#include <optional>

// The colour an `Edit1` text names: every "#" removed, exactly six hexadecimal digits must
// remain, read as red, green and blue. Nothing for any other text.
std::optional<QColor> edit1Colour(const QString &text);
// "#" and RRGGBB in upper-case digits, red first: the text a chosen colour puts into `Edit1`.
QString edit1Text(const QColor &colour);
// Black on a light background (red + green + blue of at least 500), white on a dark one.
QColor readableTextColour(const QColor &background);

// One caption of the window: the component name of the control (or of the window itself)
// and its text in German and English.
struct OutputSettingsCaption {
    const char *name;
    BilingualText caption;
};

// The object name of the window, the key of its caption.
inline constexpr char outputSettingsWindowName[] = "einstausgabe";

// Every caption of the window, its own first, then its controls in the window's order.
const QVector<OutputSettingsCaption> &outputSettingsCaptions();
// The caption of a component in the language; throws TabulixError for a name without one.
QString outputSettingsCaption(const QString &name, Language language);

// The page about the text file formats, linked below the encoding buttons.
QString textFormatsWebAddress();
