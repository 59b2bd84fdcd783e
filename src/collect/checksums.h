#pragma once
// The five checksum cells of a file entry: which digests a newly added file gets, and the
// reading of the file that computes them.
#include "collect/file_entry.h"
#include "common/language.h"

#include <QString>
#include <array>
#include <bitset>
#include <optional>

class Settings;

// The order of the cells and of the checksum sub-columns.
enum class ChecksumKind { MD5, CRC32, SHA1, SHA256, SHA512 };
inline constexpr int ChecksumKindCount = 5;

using ChecksumKinds = std::bitset<ChecksumKindCount>; // indexed by int(ChecksumKind)
using ChecksumResults = std::array<std::optional<QString>, ChecksumKindCount>;

// Lower-case hexadecimal digests of the whole file for every wanted kind, computed in one
// read. The file is read up to the size it has when opened; when it cannot be read that far
// (missing, not a regular file, shrunk, read error) no kind has a result. Unwanted kinds
// have none either.
ChecksumResults fileChecksums(const QString &path, ChecksumKinds wanted);

std::optional<QString> fileChecksum(ChecksumKind kind, const QString &path);

// Writes the five checksum cells of a file being added, following the checksum settings of
// the main window at this moment; texts are in `language` ("de" or else English).
void fillChecksumCells(FileEntry &entry, const QString &path, qint64 sizeBytes, const Settings &settings,
                       Language language);
