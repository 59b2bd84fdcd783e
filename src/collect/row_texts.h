#pragma once
// The texts that adding and refreshing write into a row's cells.
#include "common/language.h"
#include "common/locale_format.h"

#include <QDateTime>
#include <QHash>
#include <QString>

// A file row's size: below 1024 bytes the bytes ("1.023 Byte"), otherwise the kilobytes.
QString fileSizeText(qint64 bytes, const LocaleFormat &format);
// Size / 1024 with at most 8 significant digits and exactly 3 decimals, places beyond the
// 8th significant digit written as 0, halves rounded away from zero: "1.205,566 KB".
QString kilobyteText(qint64 bytes, const LocaleFormat &format);
// "ja" / "nein" in German, "yes" / "no" otherwise.
QString yesNoText(bool yes, Language language);

// The locale's date-and-time texts of many rows: a day's date and a second's time are each
// written once and then reused, as files added together share most of them.
class DateTimeTexts {
public:
    explicit DateTimeTexts(const LocaleFormat &format);
    // As LocaleFormat::dateTimeText; empty for an invalid value.
    QString text(const QDateTime &when);

private:
    const LocaleFormat &m_format;
    bool m_timesRepeat;             // the time pattern shows no fractions of a second
    QHash<qint64, QString> m_dates; // by day
    QHash<int, QString> m_times;    // by second of the day
};
