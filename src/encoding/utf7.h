#pragma once
// UTF-7 of a text's UTF-16 code units, the form that writes every optional direct character
// as itself and closes an encoded run with "-" only where the next byte would be misread.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

QByteArray encodeUtf7(QStringView text);

// The text of UTF-7 bytes; nothing when they are not UTF-7: a byte above 0x7F, a "+" that
// starts no run, or a run that ends on more than five bits or on bits that are not zero.
// Every other ASCII byte stands for itself, as lenient readers take it.
std::optional<QString> decodeUtf7(QByteArrayView bytes);
