#pragma once
// Numbers and sizes as the table writes them, in the separators of the given locale.
#include "common/locale_format.h"

#include <QString>

// At most 8 significant digits and at most `decimals` decimals, halves away from zero, with
// thousands separators; beyond 8 integer digits the scientific form (1.2345679E8).
QString FormatNumber(double value, int decimals, const LocaleFormat &format);

// A byte count with its unit: the unit follows the number of decimal characters of the count
// (up to 3 Byte, 6 KB, 9 MB, 12 GB, else TB), the division is by powers of 1024, 3 decimals.
QString SizeText(qint64 bytes, const LocaleFormat &format);
