#pragma once
// Pictures encoded by output format and saved to files.
#include "table/output_format.h"
#include "table/table_picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The picture format a file name asks for by its extension, in any case:
// ".bmp" bmp, ".gif" gif, ".jpg" and ".jpeg" jpg; empty for any other name.
std::optional<OutputFormat> pictureFormatOfFileName(const QString &fileName);

// The bytes of the picture's file in a picture format; empty when encoding fails
// or the format is not a picture format.
std::optional<QByteArray> encodePicture(const QImage &picture, OutputFormat format);

// Encodes and writes the file (writeFileSafely). Throws TabulixError
// `Cannot create the picture "<path>".`, followed by the system's reason where there is one.
void savePicture(const QImage &picture, const QString &path, OutputFormat format);

// The table's lines drawn as a picture file of the format. Throws savePicture's TabulixError
// when it cannot be drawn or saved.
void writeTablePicture(const QStringList &lines, const QString &path, OutputFormat format,
                       const StyledFont &font, const QColor &background);

// Text saved under a picture file name: its lines drawn as a picture of the kind the name asks
// for. Throws the same TabulixError as writeTablePicture, also for a name that asks for none.
void writeTextPicture(const QString &text, const QString &path, const StyledFont &font,
                      const QColor &background);
