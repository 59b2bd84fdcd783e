#pragma once
// Rows as adding makes them, without a tree on disk: German texts, times spread over ten years,
// sizes up to 1 GiB, fifty folders, ten formats with their types. The same seed gives the same rows.
#include "collect/file_entry.h"
#include "common/locale_format.h"

#include <QString>
#include <QVector>

const LocaleFormat &german();
// The rows or files a benchmark makes: TABULIX_BENCH_ROWS, 100,000 when it is unset
// (TABULIX_BENCH_ROWS=1000000 for the runs with a million files).
int benchRowCount();
QVector<FileEntry> generatedRows(int count);

// A tree on disk of benchRowCount() files, 1,000 to a folder, ten extensions, up to 4 KiB
// each: written on first use, removed when the benchmark program ends.
QString generatedTree();
int generatedTreeFileCount();
