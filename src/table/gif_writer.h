#pragma once
// Pictures as GIF files: one image in the 216 web colours, LZW-compressed.
#include <QByteArray>
#include <QImage>
#include <optional>

// The colour table holds 256 entries, the 216 web colours first and black after them.
// Empty for a null picture or one wider or higher than the format's 65,535 pixels.
std::optional<QByteArray> encodeGif(const QImage &picture);
