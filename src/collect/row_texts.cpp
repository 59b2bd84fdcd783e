#include "collect/row_texts.h"

#include "common/language.h"

namespace {

// Sizes times 125 overflow 64 bits beyond about 147 PB; the compiler's 128-bit type holds them.
__extension__ using Wide = unsigned __int128;

int decimalDigits(Wide value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

Wide powerOfTen(int exponent)
{
    Wide power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

} // namespace

QString fileSizeText(qint64 bytes, const LocaleFormat &format)
{
    if (bytes < 1024)
        return format.locale.toString(bytes) + QStringLiteral(" Byte");
    return kilobyteText(bytes, format);
}

QString kilobyteText(qint64 bytes, const LocaleFormat &format)
{
    // Exact decimal arithmetic: thousandths of a kilobyte are bytes * 125 / 128. One rounding
    // step at the last place kept, so no value is rounded twice.
    const bool negative = bytes < 0;
    const Wide magnitude = negative ? -Wide(bytes) : bytes;
    const Wide numerator = magnitude * 125;
    const int integerDigits = decimalDigits(numerator / 128000);
    const int droppedPlaces =
        std::max(0, integerDigits - 5); // 8 digits = integer digits + 3 decimals - dropped
    const Wide step = powerOfTen(droppedPlaces);
    const Wide denominator = 128 * step;
    const Wide thousandths = (numerator + denominator / 2) / denominator * step;

    const qint64 whole = qint64(thousandths / 1000);
    const int fraction = int(thousandths % 1000);
    QString text = negative ? QStringLiteral("-") : QString();
    text += format.locale.toString(whole) + format.decimalSeparator +
            QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0')) + QStringLiteral(" KB");
    return text;
}

QString yesNoText(bool yes, Language language)
{
    if (isGerman(language))
        return yes ? QStringLiteral("ja") : QStringLiteral("nein");
    return yes ? QStringLiteral("yes") : QStringLiteral("no");
}

DateTimeTexts::DateTimeTexts(const LocaleFormat &format)
    : m_format(format), m_timesRepeat(!format.longTimePattern.contains(u'z'))
{
}

QString DateTimeTexts::text(const QDateTime &when)
{
    if (!when.isValid())
        return {};
    const QDate date = when.date();
    auto day = m_dates.constFind(date.toJulianDay());
    if (day == m_dates.constEnd())
        day = m_dates.insert(date.toJulianDay(), m_format.locale.toString(date, m_format.shortDatePattern));
    const QTime time = when.time();
    if (time == QTime(0, 0))
        return *day;
    if (!m_timesRepeat)
        return *day + u' ' + m_format.locale.toString(time, m_format.longTimePattern);
    const int second = time.msecsSinceStartOfDay() / 1000;
    auto clock = m_times.constFind(second);
    if (clock == m_times.constEnd())
        clock = m_times.insert(second, m_format.locale.toString(time, m_format.longTimePattern));
    return *day + u' ' + *clock;
}
