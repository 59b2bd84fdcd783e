#include "common/control_characters.h"

#include <algorithm>

QString controlsAsQuestionMarks(const QString &text, QStringView kept)
{
    const auto replaced = [kept](QChar c) {
        return c.category() == QChar::Other_Control && !kept.contains(c);
    };
    // Most texts have none: they are returned without a copy.
    if (std::none_of(text.cbegin(), text.cend(), replaced))
        return text;
    QString shown = text;
    std::replace_if(shown.begin(), shown.end(), replaced, QChar(u'?'));
    return shown;
}
