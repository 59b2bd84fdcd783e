#pragma once
// The table as JSON data: one object with the title, the columns, the rows as raw values
// under stable English keys, and the totals.
#include "table/value_table.h"

// A JSON string literal of the text: quotes, backslashes and control characters escaped.
QString jsonString(const QString &text);

// Writes the document's lines to the sink; false when the sink refused them.
bool writeJsonTable(const ValueTable &table, const LineSink &sink);
