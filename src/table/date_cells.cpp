#include "table/date_cells.h"

namespace {

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// dd, mm, yyyy and yy stand for day, month and year; every other character is written as it
// stands, "/" included (it is not the locale's date separator here).
QString patternDate(const QDate &date, const QString &pattern)
{
    QString text;
    for (qsizetype i = 0; i < pattern.size();) {
        const QStringView rest = QStringView(pattern).mid(i);
        if (rest.startsWith(u"yyyy")) {
            text += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            i += 4;
        } else if (rest.startsWith(u"yy")) {
            text += twoDigits(date.year() % 100);
            i += 2;
        } else if (rest.startsWith(u"dd")) {
            text += twoDigits(date.day());
            i += 2;
        } else if (rest.startsWith(u"mm")) {
            text += twoDigits(date.month());
            i += 2;
        } else {
            text += pattern[i++];
        }
    }
    return text;
}

QString patternTime(const QTime &time, const QString &separator)
{
    return twoDigits(time.hour()) + separator + twoDigits(time.minute()) + separator +
           twoDigits(time.second());
}

} // namespace

QString dateCellText(const QString &rowText, const QDateTime &value, const DateCellOptions &options,
                     const LocaleFormat &format)
{
    QString text = rowText;
    if (options.pattern != u"System") {
        const QDateTime when = value.isValid() ? value : format.parseDateTime(rowText);
        if (when.isValid())
            text = patternDate(when.date(), options.pattern) + u' ' +
                   patternTime(when.time(), format.timeSeparator);
    }
    if (!options.date)
        text.remove(0, text.indexOf(u' ') + 1);
    if (!options.time)
        text.truncate(std::max<qsizetype>(0, text.indexOf(u' ')));
    return text;
}
