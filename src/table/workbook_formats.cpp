#include "table/workbook_formats.h"

#include <algorithm>
#include <iterator>

namespace {

// A character a number format would read as a code, written literally.
QString literal(QChar c)
{
    if (c == u' ' || c == u'.' || c == u',' || c == u'-' || c == u'/' || c == u':')
        return QString(c);
    return u'\\' + QString(c);
}

// The table's own date pattern: dd, mm, yy and yyyy as they are, everything else literally.
QString ownDatePattern(const QString &pattern)
{
    QString format;
    for (qsizetype i = 0; i < pattern.size();) {
        const QStringView rest = QStringView(pattern).mid(i);
        const char16_t *const codes[] = {u"yyyy", u"yy", u"dd", u"mm"};
        const auto code = std::find_if(std::begin(codes), std::end(codes), [&rest](const char16_t *c) {
            return rest.startsWith(QStringView(c));
        });
        if (code != std::end(codes)) {
            format += QString::fromUtf16(*code);
            i += QStringView(*code).size();
        } else {
            format += literal(pattern[i++]);
        }
    }
    return format;
}

// A locale's date pattern (d, M, y as Qt writes them) with the spreadsheet's codes; quoted
// parts literally.
QString localeDatePattern(const QString &pattern)
{
    QString format;
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'd' || c == u'y'))
            format += c;
        else if (!quoted && c == u'M')
            format += u'm';
        else
            format += literal(c);
    }
    return format;
}

} // namespace

QString sizeNumberFormat(int unit, int decimals, bool showUnit, bool thousands)
{
    QString format = thousands ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (!showUnit || unit < 0)
        return format;
    // Bytes are whole.
    if (unit > 0 && decimals > 0)
        format += u'.' + QString(decimals, u'0');
    const char *const units[] = {"Byte", "KB", "MB", "GB", "TB"};
    return format + QStringLiteral(" \"") + QString::fromLatin1(units[unit]) + u'"';
}

QString dateNumberFormat(const DateCellOptions &options, const LocaleFormat &locale)
{
    QString format;
    if (options.date)
        format = options.pattern == u"System" ? localeDatePattern(locale.shortDatePattern)
                                              : ownDatePattern(options.pattern);
    if (options.time) {
        const QString separator =
            literal(locale.timeSeparator.isEmpty() ? QChar(u':') : locale.timeSeparator.front());
        format += (format.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("hh") + separator +
                  QStringLiteral("mm") + separator + QStringLiteral("ss");
    }
    return format;
}

QString sheetName(const QString &title, int sheet)
{
    constexpr qsizetype MaxLength = 31;
    QString name = title.isEmpty() ? QStringLiteral("Sheet") : title;
    for (QChar &c : name)
        if (QStringView(u"[]:*?/\\").contains(c))
            c = u'_';
    const QString number = title.isEmpty() ? QString::number(sheet)
                           : sheet > 1     ? QStringLiteral(" (%1)").arg(sheet)
                                           : QString();
    name.truncate(MaxLength - number.size());
    if (name.startsWith(u'\''))
        name[0] = u'_';
    if (name.endsWith(u'\''))
        name[name.size() - 1] = u'_';
    return name + number;
}
