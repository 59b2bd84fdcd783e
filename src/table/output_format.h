#pragma once
// The kind of output, read from the text of the output format choice.
#include "common/language.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class OutputFormat { Txt, Csv, Htm, Jpg, Bmp, Gif, Xlsx, Json, Md, Html, Md5sum, Sha1sum, Sha256sum, Sha512sum, Sfv };

// The format whose "(*.suffix)" the text names among the later items (xlsx, json, md, html and
// the checksum files md5, sha1, sha256, sha512, sfv); else the first tag the text contains, in the
// order txt, csv, htm, jpg, bmp, gif; txt for none.
OutputFormat outputFormatOf(const QString &outFormatText);
bool isPictureFormat(OutputFormat format);
// Whether the output is a checksum file of the listed files rather than a table.
bool isManifestFormat(OutputFormat format);
// Whether the output is bytes that are no text: the pictures and the workbook.
bool isBinaryFormat(OutputFormat format);
// The item of the output format choice in the interface language ("Textdatei (*.txt)").
QString outFormatItem(OutputFormat format, Language language);
// The items of the output format choice in their list order.
QStringList outFormatItems(Language language);
// The tags of all formats in the order of the items.
QStringList outputFormatTags();
// The format named by its tag ("txt", "csv", "htm", "jpg", "bmp", "gif", "xlsx", "json", "md",
// "html", "md5sum", "sha1sum", "sha256sum", "sha512sum", "sfv"), if any.
std::optional<OutputFormat> outputFormatOfTag(const QString &tag);
