#include "common/locale_format.h"

#include <QRegularExpression>

namespace {

// "yy" standing alone becomes "yyyy"; a pattern that already has four digits stays.
QString withFourDigitYear(QString pattern)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return pattern.replace(twoDigitYear, QStringLiteral("yyyy"));
}

// Drops the zone ("t", "tt", ...) and the blanks that separated it.
QString withoutZone(QString pattern)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    pattern.replace(zone, QStringLiteral(" "));
    return pattern.trimmed();
}

QString separatorAfterHours(const QString &pattern)
{
    const qsizetype hour = pattern.indexOf(QRegularExpression(QStringLiteral("[Hh]")));
    if (hour < 0)
        return QStringLiteral(":");
    qsizetype i = hour;
    while (i < pattern.size() && (pattern[i] == u'H' || pattern[i] == u'h'))
        ++i;
    qsizetype end = i;
    while (end < pattern.size() && pattern[end] != u'm')
        ++end;
    const QString separator = pattern.mid(i, end - i);
    return separator.isEmpty() ? QStringLiteral(":") : separator;
}

} // namespace

LocaleFormat LocaleFormat::fromLocale(const QLocale &locale)
{
    LocaleFormat format;
    format.locale = locale;
    format.decimalSeparator = locale.decimalPoint();
    format.thousandsSeparator = locale.groupSeparator();
    format.shortDatePattern = withFourDigitYear(locale.dateFormat(QLocale::ShortFormat));
    format.longTimePattern = withoutZone(locale.timeFormat(QLocale::LongFormat));
    format.timeSeparator = separatorAfterHours(format.longTimePattern);
    return format;
}

LocaleFormat LocaleFormat::system()
{
    return fromLocale(QLocale::system());
}

QString LocaleFormat::dateTimeText(const QDateTime &when) const
{
    const QString date = locale.toString(when.date(), shortDatePattern);
    if (when.time() == QTime(0, 0))
        return date;
    return date + u' ' + locale.toString(when.time(), longTimePattern);
}

QDateTime LocaleFormat::parseDateTime(const QString &text) const
{
    // Date and time are read apart and joined as a plain wall-clock value, so a time that
    // falls into a daylight-saving gap of the local zone still reads back unchanged.
    const QString trimmed = text.trimmed();
    const QDate dateOnly = locale.toDate(trimmed, shortDatePattern);
    if (dateOnly.isValid())
        return QDateTime(dateOnly, QTime(0, 0), Qt::UTC);
    for (qsizetype blank = trimmed.indexOf(u' '); blank > 0; blank = trimmed.indexOf(u' ', blank + 1)) {
        const QDate date = locale.toDate(trimmed.left(blank), shortDatePattern);
        const QTime time = locale.toTime(trimmed.mid(blank + 1), longTimePattern);
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return {};
}
