#include "config/stored_looks.h"

namespace {

constexpr int LargestFontSize = 999;

} // namespace

qint32 colourValue(const QColor &colour, qint32 desktopValue)
{
    if (!colour.isValid())
        return desktopValue;
    return qint32(colour.red() + 256 * colour.green() + 65536 * colour.blue());
}

QColor colourOfValue(qint32 value)
{
    if (value < 0)
        return QColor();
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void writeStyledFont(IniDocument &document, const QString &section, const StyledFont &font)
{
    document.writeNumber(section, QStringLiteral("FSI"), font.font.pointSize());
    document.writeNumber(section, QStringLiteral("FCL"), colourValue(font.colour, DesktopTextValue));
    document.writeText(section, QStringLiteral("FON"), font.font.family());
    document.writeFlag(section, QStringLiteral("FBO"), font.font.bold());
    document.writeFlag(section, QStringLiteral("FIT"), font.font.italic());
    document.writeFlag(section, QStringLiteral("FUN"), font.font.underline());
    document.writeFlag(section, QStringLiteral("FSO"), font.font.strikeOut());
}

StyledFont readStyledFont(const IniDocument &document, const QString &section, const StyledFont &current)
{
    StyledFont font = current;
    const int size = document.readNumber(section, QStringLiteral("FSI"), current.font.pointSize());
    if (size >= 1 && size <= LargestFontSize)
        font.font.setPointSize(size);
    font.colour = colourOfValue(
        document.readNumber(section, QStringLiteral("FCL"), colourValue(current.colour, DesktopTextValue)));
    font.font.setFamily(document.readText(section, QStringLiteral("FON"), current.font.family()));
    font.font.setBold(document.readFlag(section, QStringLiteral("FBO"), false));
    font.font.setItalic(document.readFlag(section, QStringLiteral("FIT"), false));
    font.font.setUnderline(document.readFlag(section, QStringLiteral("FUN"), false));
    font.font.setStrikeOut(document.readFlag(section, QStringLiteral("FSO"), false));
    return font;
}
