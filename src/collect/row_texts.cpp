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
    const char16_t places[3] = {char16_t(u'0' + fraction / 100), char16_t(u'0' + fraction / 10 % 10),
                                char16_t(u'0' + fraction % 10)};
    // Put together in one piece.
    return QStringView(negative ? u"-" : u"") + format.locale.toString(whole) + format.decimalSeparator +
           QStringView(places, 3) + QStringView(u" KB");
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
    // Within one second the text is the same, except at the very start of a day.
    const qint64 whole = when.toSecsSinceEpoch();
    for (const Recent &recent : m_recent)
        if (recent.second == whole)
            return recent.text;
    const int second = time.msecsSinceStartOfDay() / 1000;
    auto clock = m_times.constFind(second);
    if (clock == m_times.constEnd())
        clock = m_times.insert(second, m_format.locale.toString(time, m_format.longTimePattern));
    const QString text = *day + u' ' + *clock;
    if (second != 0) {
        m_recent[m_nextRecent] = {whole, text};
        m_nextRecent = (m_nextRecent + 1) % m_recent.size();
    }
    return text;
}
