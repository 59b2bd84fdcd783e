#include "app/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

bool sameFace(const QFont &a, const QFont &b)
{
    return a.family().compare(b.family(), Qt::CaseInsensitive) == 0 && a.styleName() == b.styleName() &&
           a.weight() == b.weight() && a.italic() == b.italic() && a.pointSize() == b.pointSize() &&
           a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
}

} // namespace

QFont fontDialogStart(const QFont &stored)
{
    const QFontInfo drawn(stored);
    QFont start = QFontDatabase::font(drawn.family(), drawn.styleName(), stored.pointSize());
    // A face the database cannot name by its style keeps the stored weight and slant.
    if (start.family().compare(drawn.family(), Qt::CaseInsensitive) != 0) {
        start = QFont(drawn.family(), stored.pointSize(), stored.weight(), stored.italic());
    } else {
        start.setStyleName(drawn.styleName());
    }
    start.setPointSize(stored.pointSize());
    start.setUnderline(stored.underline());
    start.setStrikeOut(stored.strikeOut());
    return start;
}

QFont fontAfterDialog(const QFont &stored, const QFont &opened, const QFont &answer)
{
    if (sameFace(opened, answer))
        return stored;
    QFont kept(answer.family(), answer.pointSize());
    kept.setBold(answer.bold());
    kept.setItalic(answer.italic());
    kept.setUnderline(answer.underline());
    kept.setStrikeOut(answer.strikeOut());
    return kept;
}
