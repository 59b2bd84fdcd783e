#pragma once
// The bytes of a text file: the byte-order mark or signature of the encoding, then the text.
#include "encoding/text_encoding.h"

#include <QByteArray>
#include <QString>

QByteArray encodeText(const QString &text, TextEncoding encoding);
