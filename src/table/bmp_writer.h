#pragma once
// Pictures as uncompressed 24-bit Windows bitmap files.
#include <QByteArray>
#include <QImage>
#include <optional>

// File header, info header and the rows bottom-up, blue-green-red, each padded to four bytes.
// Empty for a null picture or one whose file would outgrow the format's 32-bit sizes.
std::optional<QByteArray> encodeBmp(const QImage &picture);
