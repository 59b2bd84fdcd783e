#pragma once
// The system locale as the program uses it for numbers, dates and times. The short date
// pattern always carries a four-digit year and the long time pattern no time zone, so
// that every date text the program writes can be read back exactly.
#include <QDateTime>
#include <QLocale>
#include <QString>

struct LocaleFormat {
    QLocale locale;
    QString decimalSeparator;
    QString thousandsSeparator;
    QString shortDatePattern;
    QString longTimePattern;
    QString timeSeparator;

    static LocaleFormat fromLocale(const QLocale &locale);
    // From LC_ALL / LC_TIME / LC_NUMERIC / LANG, as the desktop sets them.
    static LocaleFormat system();

    // Short date plus long time; the time is left out when it is exactly midnight.
    QString dateTimeText(const QDateTime &when) const;
    // Reads a text written by dateTimeText back; invalid when it cannot be read.
    QDateTime parseDateTime(const QString &text) const;
};
