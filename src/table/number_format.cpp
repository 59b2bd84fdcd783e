#include "table/number_format.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace {

const char *const unitNames[] = {"Byte", "KB", "MB", "GB", "TB"};

// Every digit of a finite, non-negative double: a double is m * 2^e with a 53-bit m, so it
// has at most -e binary places and exactly as many decimal places; printing that many places
// is exact, and the rounding below never sees a value rounded before.
std::string exactDigits(double magnitude, int &wholeCount)
{
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int places = std::max(0, std::numeric_limits<double>::digits - exponent);
    std::string text(std::size_t(places + std::numeric_limits<double>::max_exponent10 + 3), '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed, places);
    text.resize(std::size_t(result.ptr - text.data()));
    const std::size_t point = text.find('.');
    wholeCount = int(point == std::string::npos ? text.size() : point);
    if (point != std::string::npos)
        text.erase(point, 1);
    return text;
}

// Adds one unit at the last digit.
void incrementLast(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

QString grouped(const std::string &digits, const QString &separator)
{
    QString text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += QLatin1Char(digits[i]);
    }
    return text;
}

std::string withoutLeadingZeros(const std::string &digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

QString scientific(std::string significant, int decimals, const LocaleFormat &format)
{
    const int exponent = int(significant.size()) - 1;
    significant.erase(significant.find_last_not_of('0') + 1);
    QString text{QLatin1Char(significant[0])};
    if (significant.size() > 1)
        text += format.decimalSeparator +
                QLatin1String(significant.data() + 1, qsizetype(significant.size() - 1));
    const int width = decimals >= 1 && decimals <= 4 ? decimals : 1;
    return text + u'E' + QStringLiteral("%1").arg(exponent, width, 10, QLatin1Char('0'));
}

} // namespace

QString formatNumber(double value, int decimals, const LocaleFormat &format)
{
    if (!std::isfinite(value))
        return {};
    int wholeCount = 0;
    const std::string all = exactDigits(std::fabs(value), wholeCount);

    // Places are powers of ten: digit i of `all` stands at place wholeCount - 1 - i.
    std::string kept;
    int lastPlace = -decimals;
    const std::size_t lead = all.find_first_not_of('0');
    if (lead != std::string::npos) {
        const int leadPlace = wholeCount - 1 - int(lead);
        lastPlace = std::max(leadPlace - 7, -decimals);
        const std::size_t keptCount = std::size_t(wholeCount - lastPlace);
        kept = all.substr(0, keptCount);
        kept.resize(keptCount, '0');
        if (keptCount < all.size() && all[keptCount] >= '5')
            incrementLast(kept);
    }

    // kept * 10^lastPlace is the rounded value.
    std::string whole = lastPlace >= 0
                            ? kept + std::string(std::size_t(lastPlace), '0')
                            : kept.substr(0, std::size_t(std::max<int>(0, int(kept.size()) + lastPlace)));
    const std::string fraction = lastPlace >= 0 ? std::string() : kept.substr(whole.size());
    whole = withoutLeadingZeros(whole);

    const bool negative = value < 0 && kept.find_first_not_of('0') != std::string::npos;
    QString text = negative ? QStringLiteral("-") : QString();
    if (whole.size() > 8)
        return text + scientific(whole, decimals, format);
    text += whole.empty() ? QStringLiteral("0") : grouped(whole, format.thousandsSeparator);
    if (decimals > 0)
        text += format.decimalSeparator + QString::fromLatin1(fraction.data(), qsizetype(fraction.size())) +
                QString(decimals - qsizetype(fraction.size()), u'0');
    return text;
}

QString sizeInUnit(qint64 bytes, int unit, int decimals, const LocaleFormat &format)
{
    return formatNumber(std::ldexp(double(bytes), -10 * unit), unit == 0 ? 0 : decimals, format) + u' ' +
           QLatin1String(unitNames[unit]);
}

int sizeUnitOf(const QString &name)
{
    for (int unit = 0; unit < int(std::size(unitNames)); ++unit)
        if (name == QLatin1String(unitNames[unit]))
            return unit;
    return -1;
}

QString sizeText(qint64 bytes, const LocaleFormat &format)
{
    // The unit goes by decimal digits (a minus sign counts) while the division is by 1024.
    const int digits = int(QString::number(bytes).size());
    return sizeInUnit(bytes, std::min(4, (digits - 1) / 3), 3, format);
}
