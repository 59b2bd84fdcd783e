#pragma once
// The one writer of text files. A name with a picture extension goes to a picture writer
// instead, which draws the text and reports its own failures.
#include "encoding/text_encoding.h"

#include <QString>
#include <functional>

// Draws the text into a picture of the kind the file name asks for and saves it there.
// It catches every failure of its own and tells the user; it never throws.
using PictureWriter = std::function<void(const QString &text, const QString &path)>;

// Whether the extension (from the last "." of the last path component) is .bmp, .gif, .jpg
// or .jpeg, in any case.
bool isPictureFileName(const QString &path);

// `Cannot create file "<path>".`, what a failed write of a table file says before its reason.
QString fileCreationError(const QString &path);

// Writes the text, exactly as it comes, in the encoding, as the file's new content (writeFileSafely).
// Throws TabulixError `Cannot create file "<path>". <reason>` when the file cannot be created
// or written.
void writeEncodedTextFile(const QString &text, const QString &path, TextEncoding encoding);

// Writes the text as UTF-8 without a byte-order mark, with writeEncodedTextFile's failure.
void writeUtf8TextFile(const QString &text, const QString &path);

// Picture names go to the picture writer (returns 0), every other name is written as text
// (returns 1). Text errors are not caught here.
int writeTextFile(const QString &text, const QString &path, TextEncoding encoding,
                  const PictureWriter &writePicture);
