#pragma once
#include "collect/file_entry.h"
#include "common/settings.h"
void FillChecksumCells(FileEntry &entry, const QString &path, qint64 sizeBytes, const Settings &settings,
                       const QString &language);
