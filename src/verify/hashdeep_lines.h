#pragma once
// hashdeep's files: "%%%% HASHDEEP-1.0", then "%%%% size,md5,sha256,filename" naming the
// columns of every line, "##" comment lines, and a line per file with the name last.
#include "verify/manifest.h"

#include <QByteArrayView>

// Columns of kinds we cannot compute (tiger, whirlpool) are not checked; a file without a
// header line is all bad lines.
Manifest readHashdeepLines(QByteArrayView bytes);
// Whether the bytes start as hashdeep's files do.
bool looksLikeHashdeep(QByteArrayView bytes);
