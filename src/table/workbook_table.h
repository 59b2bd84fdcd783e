#pragma once
// The table as a spreadsheet workbook (.xlsx): typed cells, a bold frozen header row with an
// autofilter, group and totals rows, and columns as wide as their content.
#include "collect/file_entry.h"
#include "common/locale_format.h"

#include <QString>
#include <span>

class Settings;

// Writes the workbook of the rows to path (writeFileSafely). Throws TabulixError
// `Cannot create file "<path>".` followed by the reason.
void writeWorkbook(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &locale,
                   const QString &path);
