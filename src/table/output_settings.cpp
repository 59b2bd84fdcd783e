#include "table/output_settings.h"

#include "common/maker_address.h"
#include "table/table_layout.h"

#include <algorithm>

namespace {
constexpr int colourDigits = 6;
constexpr int lightSum = 500;

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

std::optional<QColor> edit1Colour(const QString &text)
{
    const QString digits = QString(text).remove(QLatin1Char('#'));
    // Checked digit by digit: a number parser would also take a sign or a "0x".
    if (digits.size() != colourDigits || !std::all_of(digits.cbegin(), digits.cend(), isHexDigit))
        return std::nullopt;
    return QColor::fromRgb(QRgb(digits.toUInt(nullptr, 16)));
}

QString edit1Text(const QColor &colour)
{
    return QLatin1Char('#') + colour.name(QColor::HexRgb).mid(1).toUpper();
}

QColor readableTextColour(const QColor &background)
{
    const int sum = background.red() + background.green() + background.blue();
    return sum >= lightSum ? QColor(Qt::black) : QColor(Qt::white);
}

QString textFormatsWebAddress()
{
    return MakerWebAddress + QStringLiteral("/textformate");
}
