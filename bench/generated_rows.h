#pragma once
// Rows as adding makes them, without a tree on disk: German texts, times spread over ten years,
// sizes up to 1 GiB, fifty folders. The same seed gives the same rows.
#include "collect/file_entry.h"
#include "common/locale_format.h"

#include <QVector>

const LocaleFormat &german();
QVector<FileEntry> generatedRows(int count);
