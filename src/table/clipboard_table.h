#pragma once
// The table as a plain HTML table for the clipboard, so that spreadsheets and mail programs
// paste it as cells.
#include "collect/file_entry.h"
#include "common/locale_format.h"

#include <QString>
#include <span>

class Settings;

// One row per file in output order, header cells when column headers are on; the cells as
// the HTML formats write them, escaped.
QString plainHtmlTable(std::span<const FileEntry> rows, const Settings &settings, const LocaleFormat &locale);
