#include "renamer/rename_search.h"

#include <QRegularExpression>

namespace {

QRegularExpression expressionOf(const RenameSearch &search)
{
    return QRegularExpression(search.searchFor, search.ignoreCase ? QRegularExpression::CaseInsensitiveOption
                                                                  : QRegularExpression::NoPatternOption);
}

// The replacement with \0 to \9 taken from the match; any other backslash stays as it is.
QString expanded(const QString &replacement, const QRegularExpressionMatch &match)
{
    QString text;
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        if (replacement[i] == u'\\' && i + 1 < replacement.size() && replacement[i + 1].isDigit() &&
            replacement[i + 1] <= u'9') {
            text += match.captured(replacement[++i].digitValue());
            continue;
        }
        text += replacement[i];
    }
    return text;
}

} // namespace

QString searchProblem(const RenameSearch &search)
{
    if (!search.regex)
        return {};
    const QRegularExpression expression = expressionOf(search);
    if (expression.isValid())
        return {};
    return expression.errorString() + QStringLiteral(" (") +
           QString::number(expression.patternErrorOffset()) + u')';
}

QString replaceAll(const QString &text, const RenameSearch &search)
{
    if (search.searchFor.isEmpty())
        return text;
    if (!search.regex)
        return QString(text).replace(search.searchFor, search.replaceWith,
                                     search.ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    const QRegularExpression expression = expressionOf(search);
    if (!expression.isValid())
        return text;
    QString result;
    qsizetype last = 0;
    for (auto matches = expression.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        result +=
            QStringView(text).mid(last, match.capturedStart() - last) + expanded(search.replaceWith, match);
        last = match.capturedEnd();
    }
    return result + QStringView(text).mid(last);
}
