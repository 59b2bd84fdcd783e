#pragma once
// Bytes as upper-case hexadecimal pairs, so a failing comparison shows where the bytes differ.
#include <QByteArray>
#include <string>

inline std::string hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}
