#include "table/value_formats.h"

#include "table/json_table.h"
#include "table/markdown_table.h"

bool isValueTextFormat(OutputFormat format)
{
    return format == OutputFormat::Json || format == OutputFormat::Md;
}

bool writeValueTextTable(std::span<const FileEntry> rows, const Settings &settings,
                         const LocaleFormat &locale, OutputFormat format, const LineSink &sink)
{
    const ValueTable table(rows, settings, locale, format);
    return format == OutputFormat::Json ? writeJsonTable(table, sink) : writeMarkdownTable(table, sink);
}
