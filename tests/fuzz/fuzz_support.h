#pragma once
// Helpers shared by the fuzz targets: the input as text, and a broken promise as a crash the
// fuzzer keeps.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Every pair of bytes is one UTF-16 code unit, lone surrogates included.
inline QString unitsOf(const uint8_t *data, size_t size)
{
    return QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
}

// Arguments as a command line brings them: separated by zero bytes, UTF-8 each.
inline QStringList argumentsOf(const uint8_t *data, size_t size)
{
    QStringList arguments;
    for (const QByteArray &part : bytesOf(data, size).split('\0'))
        arguments.append(QString::fromUtf8(part));
    return arguments;
}

inline void check(bool holds, const char *promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}
