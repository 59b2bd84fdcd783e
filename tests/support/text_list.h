#pragma once
// A QStringList from UTF-8 literals, for expected values in tests.
#include <QStringList>
#include <initializer_list>

inline QStringList textList(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}
