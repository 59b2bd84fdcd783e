#include "table/html_text.h"

#include <QUrl>

QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString htmlFileLink(const QString &path, const QString &escapedText)
{
    const QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    return QStringLiteral("<a href=\"") + htmlEscaped(url) + QStringLiteral("\">") + escapedText +
           QStringLiteral("</a>");
}

qsizetype htmlVisibleLength(const QString &cell)
{
    const qsizetype from = std::max<qsizetype>(0, cell.indexOf(u'>'));
    qsizetype length = 0;
    for (qsizetype i = from; i < cell.size(); ++i) {
        if (cell[i] == u'&') {
            const qsizetype end = cell.indexOf(u';', i);
            if (end > i)
                i = end;
        }
        ++length;
    }
    return length;
}
