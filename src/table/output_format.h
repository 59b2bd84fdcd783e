#pragma once
// The kind of output, read from the text of the output format choice.
#include <QString>

enum class OutputFormat { Txt, Csv, Htm, Jpg, Bmp, Gif };

// The first tag the text contains, in the order txt, csv, htm, jpg, bmp, gif; txt for none.
OutputFormat outputFormatOf(const QString &outFormatText);
bool isPictureFormat(OutputFormat format);
