#pragma once
// Lays the columns and cells of one refresh out as the lines of the output: padded or
// delimited text, an HTML fragment, CSV, or padded text with markers for a picture.
#include "common/language.h"
#include "common/locale_format.h"
#include "table/act_array.h"
#include "table/output_format.h"

#include <QString>
#include <QStringList>

class Settings;

// The whole file list, for the end information under the table.
struct ListTotals {
    qint64 files = 0;
    qint64 bytes = 0;
};

// Line prefixes that ask the picture renderer for bold and for italic type.
inline const QString PictureBoldMarker = QStringLiteral("%F%");
inline const QString PictureItalicMarker = QStringLiteral("%K%");

// The output lines for the chosen format, language and locale. The layout options are read
// from the main window's settings (des_*) and the CSV options from the output settings
// (csv_*). No rows (or no cells) give no lines at all.
QStringList layOutTable(const ActArray &columns, const CellTable &cells, const Settings &settings,
                        OutputFormat format, Language language, const LocaleFormat &locale,
                        ListTotals totals);
