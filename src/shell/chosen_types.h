#pragma once
// The file types of the chosen-types entry, read from the setting `beldateien`.
#include <QString>
#include <QStringList>

// The extensions the text names, separated by ",", each with its leading ".", in the order
// written: blanks and control characters around an item go, an item without any "." gets one
// in front, and an item is dropped when it is shorter than two characters, does not begin
// with "." or holds one of < > \ / | : ? * , " or a blank after the first character. So
// "mp3, .doc, tar.gz, x y, ." gives .mp3 and .doc.
QStringList chosenExtensions(const QString &beldateien);

// The MIME types the desktop's type database gives to names ending in the extension (".mp3"),
// found by the name alone; empty when it knows none.
QStringList mimeTypesOfExtension(const QString &extension);
