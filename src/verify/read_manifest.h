#pragma once
// Any checksum file, its format recognised from its content, never from its name.
#include "verify/manifest.h"

#include <QByteArrayView>

// hashdeep files by their first line, our CSV tables by their header; otherwise the reading,
// coreutils lines or SFV, that finds more entries (coreutils lines when both find as many).
Manifest readManifest(QByteArrayView bytes);
