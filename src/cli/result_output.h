#pragma once
// The tables that check and compare print with --format: the format named, and the table
// written to standard output.
#include "common/language.h"
#include "table/output_format.h"
#include "verify/check_results.h"

#include <QString>

class StandardOutput;

// The format of "--format TAG" for result tables: txt, csv, htm or json; wrong usage throws
// TabulixError.
OutputFormat resultFormatOfTag(const QString &tag);
// The language of "--lang CODE"; wrong usage throws TabulixError.
Language languageOfOption(const QString &code);
// The language of a run without --lang.
Language startLanguage();

// Prints the table; false, with the reason on standard error, when standard output failed.
bool printResultTable(const QList<ResultRow> &rows, OutputFormat format, Language language,
                      const StandardOutput &out);
