#include "renamer/rename_mask.h"

#include <QRegularExpression>

namespace {

// A fact, with a date format after a colon where the fact is a time.
const QRegularExpression factPattern(
    QStringLiteral("%(?:(ext|folder|camera|artist|album|title|track|year)|(date|time|taken)(?::([^%]*))?)%"));
const QRegularExpression casePattern(QStringLiteral("%(upper|lower|capital):"));
// The older placeholders: passed on whole, so that their closing "%" ends no case change.
const QRegularExpression olderPattern(QStringLiteral("%(?:name|num|0num|abs)%"));
const QRegularExpression
    tagPattern(QStringLiteral("%(?:taken(?::[^%]*)?|camera|artist|album|title|track|year)%"));

QString capitalized(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLetter() && (i == 0 || !text[i - 1].isLetterOrNumber()))
            text[i] = text[i].toUpper();
    return text;
}

QString timeText(const QDateTime &time, const QString &format, const char *standard)
{
    return time.isValid() ? time.toString(format.isNull() ? QString::fromLatin1(standard) : format)
                          : QString();
}

// The facts a placeholder takes as they are.
const std::pair<const char16_t *, QString NameFacts::*> textFacts[] = {
    {u"ext", &NameFacts::extension}, {u"folder", &NameFacts::folder}, {u"camera", &NameFacts::camera},
    {u"artist", &NameFacts::artist}, {u"album", &NameFacts::album},   {u"title", &NameFacts::title},
    {u"year", &NameFacts::year}};

QString factValue(const QRegularExpressionMatch &match, const NameFacts &facts)
{
    const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    for (const auto &[placeholder, fact] : textFacts)
        if (name == QStringView(placeholder))
            return facts.*fact;
    if (name == u"track")
        return facts.track > 0 ? QString::number(facts.track).rightJustified(2, u'0') : QString();
    const QString format = match.captured(3);
    if (name == u"date")
        return timeText(facts.modified, format, "yyyy-MM-dd");
    if (name == u"time")
        return timeText(facts.modified, format, "HH-mm-ss");
    return timeText(facts.taken, format, "yyyy-MM-dd HH-mm-ss");
}

// One case change under way: its kind, where it began in the mask, and what it holds so far.
struct Frame {
    QString kind;
    QString opener;
    QString text;    // finished text
    QString pending; // mask text not yet passed on
};

} // namespace

const QList<PlaceholderText> &factPlaceholders()
{
    static const QList<PlaceholderText> texts = {
        {"%ext%", "Die Dateiendung ohne Punkt", "The extension without its dot"},
        {"%folder%", "Der Name des Ordners der Datei", "The name of the file's folder"},
        {"%date%", "Datum der letzten Änderung (%date:yyyy-MM-dd%)",
         "Date of the last change (%date:yyyy-MM-dd%)"},
        {"%time%", "Uhrzeit der letzten Änderung (%time:HH-mm-ss%)",
         "Time of the last change (%time:HH-mm-ss%)"},
        {"%taken%", "Aufnahmezeit eines Fotos (EXIF)", "When a photo was taken (EXIF)"},
        {"%camera%", "Kameramodell eines Fotos (EXIF)", "Camera model of a photo (EXIF)"},
        {"%artist%", "Interpret eines Musikstücks", "Artist of a piece of music"},
        {"%album%", "Album eines Musikstücks", "Album of a piece of music"},
        {"%title%", "Titel eines Musikstücks", "Title of a piece of music"},
        {"%track%", "Titelnummer, zweistellig", "Track number, two digits"},
        {"%year%", "Jahr eines Musikstücks", "Year of a piece of music"},
        {"%upper:%", "Großbuchstaben für den eingeschlossenen Text", "Upper case for the enclosed text"},
        {"%lower:%", "Kleinbuchstaben für den eingeschlossenen Text", "Lower case for the enclosed text"},
        {"%capital:%", "Jedes Wort mit großem Anfangsbuchstaben", "Every word with a capital letter"},
    };
    return texts;
}

QString expandMask(const QString &mask, const NameFacts &facts,
                   const std::function<QString(const QString &)> &rest)
{
    QList<Frame> frames{{}};
    const auto flush = [&] {
        Frame &top = frames.last();
        if (!top.pending.isEmpty())
            top.text += rest(top.pending);
        top.pending.clear();
    };
    for (qsizetype i = 0; i < mask.size();) {
        if (mask[i] != u'%') {
            frames.last().pending += mask[i++];
            continue;
        }
        const auto at = [&](const QRegularExpression &pattern) {
            return pattern.match(mask, i, QRegularExpression::NormalMatch,
                                 QRegularExpression::AnchorAtOffsetMatchOption);
        };
        if (const QRegularExpressionMatch fact = at(factPattern); fact.hasMatch()) {
            flush();
            frames.last().text += factValue(fact, facts);
            i = fact.capturedEnd();
        } else if (const QRegularExpressionMatch change = at(casePattern); change.hasMatch()) {
            flush();
            frames.append({change.captured(1), change.captured(0), {}, {}});
            i = change.capturedEnd();
        } else if (const QRegularExpressionMatch older = at(olderPattern); older.hasMatch()) {
            frames.last().pending += older.captured(0);
            i = older.capturedEnd();
        } else if (frames.size() > 1) {
            flush();
            const Frame done = frames.takeLast();
            frames.last().text += done.kind == u"upper"   ? done.text.toUpper()
                                  : done.kind == u"lower" ? done.text.toLower()
                                                          : capitalized(done.text);
            ++i;
        } else {
            frames.last().pending += mask[i++];
        }
    }
    // A case change that never ends is plain text: its opener and its content as they are.
    while (frames.size() > 1) {
        flush();
        const Frame open = frames.takeLast();
        frames.last().pending += open.opener;
        flush();
        frames.last().text += open.text;
    }
    flush();
    return frames.first().text;
}

bool maskNeedsTags(const QString &mask)
{
    return mask.contains(tagPattern);
}

QStringList missingTags(const QString &mask, const NameFacts &facts)
{
    QStringList missing;
    for (auto matches = tagPattern.globalMatch(mask); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const QRegularExpressionMatch fact = factPattern.match(match.captured(0));
        if (factValue(fact, facts).isEmpty() && !missing.contains(match.captured(0)))
            missing.append(match.captured(0));
    }
    return missing;
}

bool maskNeedsFacts(const QString &mask)
{
    return mask.contains(factPattern);
}
