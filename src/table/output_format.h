#pragma once
// The kind of output, read from the text of the output format choice.
#include "common/language.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class OutputFormat { Txt, Csv, Htm, Jpg, Bmp, Gif };

// The first tag the text contains, in the order txt, csv, htm, jpg, bmp, gif; txt for none.
OutputFormat outputFormatOf(const QString &outFormatText);
bool isPictureFormat(OutputFormat format);
// The item of the output format choice in the interface language ("Textdatei (*.txt)").
QString outFormatItem(OutputFormat format, Language language);
// The items of the output format choice in their list order.
QStringList outFormatItems(Language language);
// The format named by its tag ("txt", "csv", "htm", "jpg", "bmp", "gif"), if any.
std::optional<OutputFormat> outputFormatOfTag(const QString &tag);
