#pragma once
// The checksum file formats of tabulix-cli: md5sum, sha1sum, sha256sum, sha512sum and sfv lines
// of the listed files instead of a table.
#include "verify/manifest_writing.h"

#include <QString>

struct ProgramState;
class StandardOutput;

// Writes the checksum file of the listed files to the file (names relative to its folder) or,
// when file is empty, to standard output (names relative to the current folder). Returns 0, or
// 1 when a listed file could not be read (each named on standard error) or the output could not
// be written.
int writeManifestOutput(const ProgramState &state, ManifestKind kind, const QString &file,
                        const StandardOutput &out);
