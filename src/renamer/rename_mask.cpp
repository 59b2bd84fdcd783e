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

QString factValue(const QString &name, const QString &format, const NameFacts &facts)
{
    for (const auto &[placeholder, fact] : textFacts)
        if (name == QStringView(placeholder))
            return facts.*fact;
    if (name == u"track")
        return facts.track > 0 ? QString::number(facts.track).rightJustified(2, u'0') : QString();
    if (name == u"date")
        return timeText(facts.modified, format, "yyyy-MM-dd");
    if (name == u"time")
        return timeText(facts.modified, format, "HH-mm-ss");
    return timeText(facts.taken, format, "yyyy-MM-dd HH-mm-ss");
}

// One piece of a mask, as the mask is read from the left.
struct MaskPiece {
    enum Kind { Text, Fact, Opening, Closing } kind;
    QString text;   // Text: the mask text; Fact: the placeholder as written; Opening: the opener
    QString name;   // Fact: the fact; Opening: the kind of case change
    QString format; // Fact: the date format after the colon, null without one
};

struct ReadMask {
    QList<MaskPiece> pieces;
    bool needsFacts = false;
    bool needsTags = false;
};

ReadMask readMask(const QString &mask)
{
    ReadMask read;
    int open = 0; // case changes under way
    const auto addText = [&read](QStringView text) {
        if (read.pieces.isEmpty() || read.pieces.last().kind != MaskPiece::Text)
            read.pieces.append({MaskPiece::Text, {}, {}, {}});
        read.pieces.last().text += text;
    };
    for (qsizetype i = 0; i < mask.size();) {
        if (mask[i] != u'%') {
            addText(QStringView(mask).mid(i++, 1));
            continue;
        }
        const auto at = [&](const QRegularExpression &pattern) {
            return pattern.match(mask, i, QRegularExpression::NormalMatch,
                                 QRegularExpression::AnchorAtOffsetMatchOption);
        };
        if (const QRegularExpressionMatch fact = at(factPattern); fact.hasMatch()) {
            read.pieces.append({MaskPiece::Fact, fact.captured(0),
                                fact.captured(1).isEmpty() ? fact.captured(2) : fact.captured(1), fact.captured(3)});
            read.needsFacts = true;
            read.needsTags = read.needsTags || tagPattern.match(fact.captured(0)).hasMatch();
            i = fact.capturedEnd();
        } else if (const QRegularExpressionMatch change = at(casePattern); change.hasMatch()) {
            read.pieces.append({MaskPiece::Opening, change.captured(0), change.captured(1), {}});
            ++open;
            i = change.capturedEnd();
        } else if (const QRegularExpressionMatch older = at(olderPattern); older.hasMatch()) {
            addText(older.capturedView(0));
            i = older.capturedEnd();
        } else if (open > 0) {
            read.pieces.append({MaskPiece::Closing, {}, {}, {}});
            --open;
            ++i;
        } else {
            addText(QStringView(mask).mid(i++, 1));
        }
    }
    return read;
}

// Masks are read once: a list asks for the names of all its entries with the same mask.
const ReadMask &readOnce(const QString &mask)
{
    thread_local QString lastMask;
    thread_local ReadMask last = readMask(lastMask);
    if (mask != lastMask) {
        last = readMask(mask);
        lastMask = mask;
    }
    return last;
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
    for (const MaskPiece &piece : readOnce(mask).pieces) {
        switch (piece.kind) {
        case MaskPiece::Text:
            frames.last().pending += piece.text;
            break;
        case MaskPiece::Fact:
            flush();
            frames.last().text += factValue(piece.name, piece.format, facts);
            break;
        case MaskPiece::Opening:
            flush();
            frames.append({piece.name, piece.text, {}, {}});
            break;
        case MaskPiece::Closing: {
            flush();
            const Frame done = frames.takeLast();
            frames.last().text += done.kind == u"upper"   ? done.text.toUpper()
                                  : done.kind == u"lower" ? done.text.toLower()
                                                          : capitalized(done.text);
            break;
        }
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
    return readOnce(mask).needsTags;
}

QStringList missingTags(const QString &mask, const NameFacts &facts)
{
    QStringList missing;
    for (const MaskPiece &piece : readOnce(mask).pieces) {
        if (piece.kind == MaskPiece::Fact && tagPattern.match(piece.text).hasMatch() &&
            factValue(piece.name, piece.format, facts).isEmpty() && !missing.contains(piece.text))
            missing.append(piece.text);
    }
    return missing;
}

bool maskNeedsFacts(const QString &mask)
{
    return readOnce(mask).needsFacts;
}
