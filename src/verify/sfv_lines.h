#pragma once
// Simple file verification lists: "NAME CRC32", the common CRC-32 in 8 hexadecimal digits, and
// comment lines that start with ";".
#include "verify/manifest.h"

#include <QByteArrayView>

// The digest is read from the right, since names may hold blanks; the blanks before it
// separate. Empty lines and comments are skipped.
Manifest readSfvLines(QByteArrayView bytes);
