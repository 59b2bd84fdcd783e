#pragma once
// The text of a date column (created, accessed, changed) for one row.
#include "common/locale_format.h"

#include <QDateTime>
#include <QString>

struct DateCellOptions {
    QString pattern; // "System" keeps the row's text; else "dd.mm.yyyy", "yyyymmdd", ...
    bool date = true;
    bool time = true;
};

// With a pattern the moment is written as the pattern plus " hh:nn:ss" with the locale's time
// separator (the time is written even at midnight); the moment is the row's value, or its
// text read back when the value is unknown; when neither gives one, the text stays as it is.
// Without the date everything up to the first blank goes, without the time everything from it.
QString dateCellText(const QString &rowText, const QDateTime &value, const DateCellOptions &options,
                     const LocaleFormat &format);
