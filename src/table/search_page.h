#pragma once
// The table as one self-contained HTML5 page: a sticky header whose cells sort the rows, a
// search box that shows only the rows holding its text, groups that fold, and a line that
// counts the rows shown. Without script the whole table still shows.
#include "table/value_table.h"

// Writes the page's lines to the sink; false when the sink refused them.
bool writeSearchPage(const ValueTable &table, const LineSink &sink);
// The page as a browser without script shows it, for a view that runs no script but would
// still show what the page hides: without the search line, the script's table and its data.
QString pageWithoutScript(const QString &page);
