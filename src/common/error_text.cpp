#include "common/error_text.h"

QString applicationTitle()
{
    return QStringLiteral("Tabulix - Quellwerk");
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

QString unknownErrorText()
{
    return QStringLiteral("Unknown error");
}
