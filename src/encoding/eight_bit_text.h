#pragma once
// Text files without a byte-order mark, as Linux programs and hand edits leave them.
#include <QByteArrayView>
#include <QString>

// UTF-8, bytes that are no UTF-8 becoming U+FFFD; `valid` (when given) tells whether there
// were none. A U+FEFF at the start is text and stays.
QString decodeUtf8(QByteArrayView bytes, bool *valid = nullptr);

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252 (the 8-bit code page);
// `wasUtf8` (when given) tells which.
QString decodeEightBitText(QByteArrayView bytes, bool *wasUtf8 = nullptr);
