#pragma once
// Pictures as JPEG files: quality 85, every other parameter at the library's defaults.
#include <QByteArray>
#include <QImage>
#include <optional>

// Empty for a null picture or one the encoder refuses (wider or higher than 65,500 pixels).
std::optional<QByteArray> encodeJpeg(const QImage &picture);
