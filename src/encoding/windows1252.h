#pragma once
// The 8-bit code page that stands for the system's ANSI code page: Windows-1252.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// One byte per character; a character the code page cannot hold (a surrogate pair counts as
// one character) becomes "?".
QByteArray encodeWindows1252(QStringView text);

// One character per byte; the five bytes the code page leaves empty become the control
// characters of the same number, as the system's own conversion does.
QString decodeWindows1252(QByteArrayView bytes);
