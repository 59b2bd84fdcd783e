#include "shell/thunar_actions.h"

#include "common/tabulix_error.h"

namespace {

const QString actionsEnd = QStringLiteral("</actions>");

QString xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString xmlUnescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// Where the action of that id stands: from its "<action>" to after the line break that follows
// its "</action>", as add puts it in. Empty when there is none.
struct Span {
    qsizetype begin = -1;
    qsizetype end = -1;
};

Span actionSpan(const QString &text, const QString &uniqueId)
{
    const QString idElement =
        QStringLiteral("<unique-id>") + xmlEscaped(uniqueId) + QStringLiteral("</unique-id>");
    const qsizetype id = text.indexOf(idElement);
    if (id < 0)
        return {};
    const qsizetype open = text.lastIndexOf(QStringLiteral("<action>"), id);
    const qsizetype close = text.indexOf(QStringLiteral("</action>"), id);
    if (open < 0 || close < 0)
        return {};
    qsizetype end = close + qsizetype(QStringLiteral("</action>").size());
    if (end < text.size() && text[end] == u'\n')
        ++end;
    return {open, end};
}

QString actionXml(const ThunarAction &action)
{
    return QStringLiteral("<action>\n"
                          "\t<icon>tabulix</icon>\n"
                          "\t<name>%1</name>\n"
                          "\t<submenu></submenu>\n"
                          "\t<unique-id>%2</unique-id>\n"
                          "\t<command>%3</command>\n"
                          "\t<description></description>\n"
                          "\t<range></range>\n"
                          "\t%4\n"
                          "</action>\n")
        .arg(xmlEscaped(action.name), xmlEscaped(action.uniqueId), xmlEscaped(action.command),
             action.conditions);
}

} // namespace

QString emptyThunarActions()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<actions>\n") + actionsEnd + u'\n';
}

QString withThunarAction(const QString &text, const ThunarAction &action)
{
    const QString rest =
        withoutThunarAction(text.trimmed().isEmpty() ? emptyThunarActions() : text, action.uniqueId);
    const qsizetype end = rest.lastIndexOf(actionsEnd);
    if (end < 0)
        throw TabulixError(QStringLiteral("Thunar's action file holds no list of actions"));
    return QString(rest).insert(end, actionXml(action));
}

QString withoutThunarAction(const QString &text, const QString &uniqueId)
{
    const Span span = actionSpan(text, uniqueId);
    if (span.begin < 0)
        return text;
    return QString(text).remove(span.begin, span.end - span.begin);
}

QString thunarActionCommand(const QString &text, const QString &uniqueId)
{
    const Span span = actionSpan(text, uniqueId);
    if (span.begin < 0)
        return {};
    const QString action = text.mid(span.begin, span.end - span.begin);
    const qsizetype open = action.indexOf(QStringLiteral("<command>"));
    const qsizetype close = action.indexOf(QStringLiteral("</command>"));
    if (open < 0 || close < open)
        return {};
    const qsizetype start = open + qsizetype(QStringLiteral("<command>").size());
    return xmlUnescaped(action.mid(start, close - start));
}
