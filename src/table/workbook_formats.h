#pragma once
// Number formats of the workbook's cells, made from the table's own options, and the names
// its sheets may carry.
#include "common/locale_format.h"
#include "table/date_cells.h"

#include <QString>

// `0.000 "KB"` for sizes in a unit with their places, `0` for whole bytes; `#,##0` when the
// thousands are separated.
QString sizeNumberFormat(int unit, int decimals, bool showUnit, bool thousands);

// The date and time of a date column as a spreadsheet's number format: its own pattern
// (dd, mm, yy, yyyy) or the locale's short date, then the time, each as its switch says.
QString dateNumberFormat(const DateCellOptions &options, const LocaleFormat &locale);

// A sheet's name from the title: "[]:*?/\" and apostrophes at either end become "_", cut to
// 31 characters; the sheets after the first end in " (2)", " (3)", ...; "Sheet" plus the
// number when the title is empty.
QString sheetName(const QString &title, int sheet);
