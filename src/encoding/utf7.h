#pragma once
// UTF-7 of a text's UTF-16 code units, the form that writes every optional direct character
// as itself and closes an encoded run with "-" only where the next byte would be misread.
#include <QByteArray>
#include <QStringView>

QByteArray encodeUtf7(QStringView text);
