#pragma once
// Numbers and sizes as the table writes them, with the locale's separators.
#include "common/locale_format.h"

#include <QString>

// Rounded to at most 8 significant digits and at most `decimals` places (halves away from
// zero), written with thousands separators and exactly `decimals` places. More than 8 digits
// before the point give the scientific form: 123456789 with 0 decimals is "1.2345679E8",
// 1.5e11 with 3 decimals "1.5E011" (the exponent has `decimals` digits when that is 1 to 4).
QString formatNumber(double value, int decimals, const LocaleFormat &format);

// The byte count in unit 0 to 4 ("Byte", "KB", "MB", "GB", "TB", each 1024 times the one
// before) followed by a blank and the unit's name; bytes are whole, so "Byte" has no places.
QString sizeInUnit(qint64 bytes, int unit, int decimals, const LocaleFormat &format);
// The unit of one of those names; -1 for any other text.
int sizeUnitOf(const QString &name);

// A byte count with 3 decimals in the unit that its number of decimal digits calls for
// (up to 3 Byte, 6 KB, 9 MB, 12 GB, else TB), divided by powers of 1024: 999 gives
// "999 Byte", 1000 gives "0.977 KB" in an English locale.
QString sizeText(qint64 bytes, const LocaleFormat &format);
