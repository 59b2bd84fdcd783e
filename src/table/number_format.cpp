#include "table/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace {

inline constexpr int significantDigits = 8;

// A magnitude as decimal digits (no leading zeros; empty for zero) and the power of ten of the
// first digit. The digits are the shortest that read back as the same double, so a value that
// is written as an exact half is rounded as one.
struct Decimal {
    QString digits;
    int exponent = 0;
};

Decimal decimalOf(double magnitude)
{
    Decimal decimal;
    if (magnitude == 0)
        return decimal;
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, written.ptr - buffer); // "1.2345e+08"
    const auto e = text.find('e');
    for (const char c : text.substr(0, e))
        if (c != '.')
            decimal.digits += QChar::fromLatin1(c);
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
    return decimal;
}

// Keeps the first `keep` digits; the dropped rest rounds half away from zero.
void roundTo(Decimal &decimal, int keep)
{
    if (keep >= decimal.digits.size())
        return;
    const bool up = keep >= 0 && decimal.digits[keep] >= u'5';
    decimal.digits.truncate(std::max(keep, 0));
    if (!up)
        return;
    int i = keep - 1;
    while (i >= 0 && decimal.digits[i] == u'9')
        decimal.digits[i--] = u'0';
    if (i < 0) {
        decimal.digits.prepend(u'1');
        ++decimal.exponent;
    } else {
        decimal.digits[i] = QChar(decimal.digits[i].unicode() + 1);
    }
}

QString scientific(const Decimal &decimal, int decimals, const LocaleFormat &format)
{
    QString text = decimal.digits.left(1);
    QString rest = decimal.digits.mid(1);
    while (rest.endsWith(u'0'))
        rest.chop(1);
    if (!rest.isEmpty())
        text += format.decimalSeparator + rest;
    const int width = decimals >= 1 && decimals <= 4 ? decimals : 1;
    return text + u'E' + QString::number(decimal.exponent).rightJustified(width, u'0');
}

QString fixed(const Decimal &decimal, int decimals, const LocaleFormat &format)
{
    const bool zero = decimal.digits.isEmpty();
    const int integerDigits = zero ? 0 : decimal.exponent + 1;
    QString text = integerDigits > 0 ? decimal.digits.left(integerDigits).leftJustified(integerDigits, u'0')
                                     : QStringLiteral("0");
    if (!format.thousandsSeparator.isEmpty())
        for (qsizetype at = text.size() - 3; at > 0; at -= 3)
            text.insert(at, format.thousandsSeparator);
    if (decimals <= 0)
        return text;
    const QString fraction = zero                 ? QString()
                             : integerDigits >= 0 ? decimal.digits.mid(integerDigits)
                                                  : QString(-integerDigits, u'0') + decimal.digits;
    return text + format.decimalSeparator + fraction.leftJustified(decimals, u'0');
}

} // namespace

QString FormatNumber(double value, int decimals, const LocaleFormat &format)
{
    if (!std::isfinite(value))
        return QString::number(value);
    Decimal decimal = decimalOf(std::fabs(value));
    // Digits up to the last decimal place kept, but never more than eight significant ones.
    roundTo(decimal, std::min(significantDigits, decimal.exponent + 1 + decimals));
    // A value that rounds to zero loses its sign.
    const QString sign = value < 0 && !decimal.digits.isEmpty() ? QStringLiteral("-") : QString();
    if (!decimal.digits.isEmpty() && decimal.exponent + 1 > significantDigits)
        return sign + scientific(decimal, decimals, format);
    return sign + fixed(decimal, decimals, format);
}

QString SizeText(qint64 bytes, const LocaleFormat &format)
{
    static const struct {
        int maxCharacters;
        double divisor;
        const char16_t *unit;
    } units[] = {{3, 1.0, u" Byte"},
                 {6, 1024.0, u" KB"},
                 {9, 1048576.0, u" MB"},
                 {12, 1073741824.0, u" GB"},
                 {15, 1099511627776.0, u" TB"}}; // TB takes every longer count too
    // The unit follows the written length (a minus sign counts), the division powers of 1024.
    const qsizetype characters = QString::number(bytes).size();
    std::size_t unit = 0;
    while (unit + 1 < std::size(units) && characters > units[unit].maxCharacters)
        ++unit;
    return FormatNumber(static_cast<double>(bytes) / units[unit].divisor, unit == 0 ? 0 : 3, format) +
           QStringView(units[unit].unit);
}
