#pragma once
// Colours and fonts as configuration files store them. A colour is one signed 32-bit number:
// red + 256 * green + 65536 * blue, or, with the top bit set, a colour of the desktop (the
// window background and the window text colour being the ones the preview starts with).
#include "common/settings.h"
#include "config/ini_document.h"

// The desktop colours stand for an invalid QColor, which the views draw in the desktop's colours.
inline constexpr qint32 DesktopBackgroundValue = qint32(0x80000005);
inline constexpr qint32 DesktopTextValue = qint32(0x80000008);

qint32 colourValue(const QColor &colour, qint32 desktopValue);
QColor colourOfValue(qint32 value);

// FSI, FCL, FON, FBO, FIT, FUN, FSO: size, colour, name and the four styles.
void writeStyledFont(IniDocument &document, const QString &section, const StyledFont &font);
// Missing size, colour and name keep the current ones; a missing style is switched off.
// A size outside 1 to 999 points keeps the current size.
StyledFont readStyledFont(const IniDocument &document, const QString &section, const StyledFont &current);
