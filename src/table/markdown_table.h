#pragma once
// The table as a pipe table of GitHub-flavoured Markdown: the title as a level-1 heading,
// groups as level-2 headings with a table each, end information as lines below the tables.
#include "table/value_table.h"

// The text with every character that Markdown would read as markup or as a cell border
// escaped, so it shows literally.
QString markdownEscaped(const QString &text);

// Writes the document's lines to the sink; false when the sink refused them.
bool writeMarkdownTable(const ValueTable &table, const LineSink &sink);
