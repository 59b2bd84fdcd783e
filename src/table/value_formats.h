#pragma once
// The text formats written from the rows' values rather than from laid-out cells: JSON,
// Markdown and the page with search.
#include "collect/file_entry.h"
#include "common/locale_format.h"
#include "table/output_format.h"
#include "table/value_table.h"

#include <span>

class Settings;

bool isValueTextFormat(OutputFormat format);

// The table's lines in such a format, handed to the sink a block at a time; false when the
// sink refused a block.
bool writeValueTextTable(std::span<const FileEntry> rows, const Settings &settings,
                         const LocaleFormat &locale, OutputFormat format, const LineSink &sink);
