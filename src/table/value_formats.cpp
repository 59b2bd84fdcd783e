#include "table/value_formats.h"

#include "table/json_table.h"
#include "table/markdown_table.h"
#include "table/search_page.h"

bool isValueTextFormat(OutputFormat format)
{
    return format == OutputFormat::Json || format == OutputFormat::Md || format == OutputFormat::Html;
}

bool writeValueTextTable(std::span<const FileEntry> rows, const Settings &settings,
                         const LocaleFormat &locale, OutputFormat format, const LineSink &sink)
{
    const ValueTable table(rows, settings, locale, format);
    if (format == OutputFormat::Json)
        return writeJsonTable(table, sink);
    return format == OutputFormat::Md ? writeMarkdownTable(table, sink) : writeSearchPage(table, sink);
}
