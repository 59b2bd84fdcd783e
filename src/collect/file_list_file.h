#pragma once
// File-list files: the paths of the list, one a line, written as UTF-8 with a byte-order mark and
// CR LF, and read back from any of the encodings other programs write such lists in.
#include "encoding/write_text_file.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// What the window and tabulix-cli say when a list marked as UTF-7 is no UTF-7.
inline constexpr char16_t invalidUtf7Text[] = u"Invalid UTF7";

// The text of a list file; its first bytes decide the encoding:
// EF BB BF UTF-8; "+/v8" UTF-7 (5 bytes skipped, the signature with its "-"); FF FE 00 00 UTF-32 LE;
// 00 00 FE FF UTF-32 BE; FF FE UTF-16 LE; FE FF UTF-16 BE. Without a mark the bytes are UTF-8
// when they are valid UTF-8 and Windows-1252 otherwise. Nothing when UTF-7 cannot be decoded.
std::optional<QString> decodeFileListText(QByteArrayView bytes);

// The lines of the text, split at CR LF, a lone LF and a lone CR; after a final line end comes a
// last, empty line.
QStringList fileListLines(QStringView text);

// The lines of a list file's bytes; nothing when UTF-7 cannot be decoded.
std::optional<QStringList> readFileList(QByteArrayView bytes);

// The lines of the list file at the path (a pipe or device too). Throws TabulixError
// `Cannot read file "<path>". <reason>` when it cannot be read, and "Invalid UTF7".
QStringList readFileListFile(const QString &path);

// Every path followed by CR LF.
QString fileListText(const QStringList &paths);

// Writes the paths as a list file in UTF-8 with a byte-order mark through the one text writer:
// a picture name draws the text instead. A file that cannot be written throws TabulixError.
void writeFileList(const QStringList &paths, const QString &path, const PictureWriter &writePicture);
