#pragma once
// Readable Qt values in test failures; included into every test source by the build.
#include <QList>
#include <QString>
#include <gtest/gtest-printers.h>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

template <typename T> void PrintTo(const QList<T> &list, std::ostream *out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i > 0 ? ", " : "") << ::testing::PrintToString(list[i]);
    *out << '}';
}
