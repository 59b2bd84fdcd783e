#pragma once
// Names as the check's lines show them, in the forms scripts written for coreutils expect.
#include <QByteArray>
#include <QByteArrayView>

// The name of a status line ("NAME: OK"): a name holding a line feed gets a leading "\" and
// has "\", LF and CR written as "\\", "\n" and "\r"; any other name stays as it is.
QByteArray statusLineName(QByteArrayView name);
// The name of an error line, quoted for a shell where it needs to be: 'a b', "it's",
// 'a'$'\n''b'; a name of letters, digits and "%+,-./:@]_" stays bare.
QByteArray shellQuoted(QByteArrayView name);
