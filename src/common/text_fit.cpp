#include "common/text_fit.h"

#include <QGlyphRun>
#include <QTextLayout>
#include <cstdlib>

namespace {

// The font's measurement shapes longer texts in pieces, with no kerning between them.
constexpr qsizetype MaxModelledLength = 4096;
// Sums this close to the limit, in 1/64 pixels, are measured by the font.
constexpr qint64 CloseToLimit = 64;
// The letter that pairs without a Latin letter are measured behind.
constexpr char16_t LatinContext = u'n';
// Ligatures and their neighbours are kept by a key of eight bits per character.
constexpr qsizetype MaxLigatureKey = 8;

// Characters that lay out left to right in one run with Latin letters: no marks, controls,
// special spaces or object marks.
bool plainByUnicode(QChar c)
{
    if (c.script() != QChar::Script_Latin && c.script() != QChar::Script_Common)
        return false;
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirON:
    case QChar::DirWS:
        break;
    default:
        return false;
    }
    if (c == QChar::ObjectReplacementCharacter)
        return false;
    return c == u' ' || c.isLetterOrNumber() || c.isPunct() || c.isSymbol();
}

} // namespace

TextFit::TextFit(const QFont &font)
    : m_font(font), m_metrics(font), m_exactMetrics(font), m_primaryFont(QRawFont::fromFont(font)),
      m_slots(0x10000, Unseen), m_pairSteps(SlotCount * SlotCount, Unknown)
{
}

std::optional<TextFit::Width> TextFit::model(QStringView text, char16_t before)
{
    const quint16 beforeSlot = before == 0 ? 0 : slotOf(before);
    if (beforeSlot == NoSlot)
        return std::nullopt;
    qint64 units = 0;
    bool latin = false;
    bool ligature = false;
    bool lastJoined = false;
    quint16 previous = beforeSlot;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint16 slot = slotOf(text[i].unicode());
        if (slot == NoSlot)
            return std::nullopt;
        const qint32 step = pairStep(previous, slot);
        if (step == NotPlain || (step == Joined && i == 0))
            return std::nullopt;
        lastJoined = step == Joined;
        ligature = ligature || lastJoined;
        if (!lastJoined)
            units += step;
        latin = latin || m_chars[slot].latin;
        previous = slot;
    }
    if (ligature) {
        // `before` is a token of its own, so it adds just its own width to the tokens.
        const QString withBefore = before == 0 ? text.toString() : QChar(before) + text;
        const std::optional<qint64> tokens = tokenUnits(withBefore);
        if (!tokens)
            return std::nullopt;
        units = *tokens - (before == 0 ? 0 : pairStep(0, beforeSlot));
    }
    const char16_t last = text.isEmpty() ? before : lastJoined ? char16_t(0) : text.back().unicode();
    return Width{units, latin, last};
}

bool TextFit::fits(const QString &text, const std::optional<Width> &width, int maxWidth)
{
    // The font rounds its sum to whole pixels, halves up.
    const qint64 widest = qint64(maxWidth) * 64 + 31;
    // One Latin letter makes the whole text one left-to-right run in Latin script.
    if (width && width->latin && text.size() <= MaxModelledLength &&
        std::abs(width->units - widest) > CloseToLimit)
        return width->units <= widest;
    return m_metrics.horizontalAdvance(text) <= maxWidth;
}

quint16 TextFit::assignedSlot(char16_t c)
{
    quint16 &slot = m_slots[c];
    slot = NoSlot;
    const QChar character(c);
    if (m_usedSlots + 1 == SlotCount || !plainByUnicode(character) ||
        !m_primaryFont.supportsCharacter(character))
        return slot;
    const QList<quint32> glyphs = shapedGlyphs(QString(character));
    if (glyphs.size() != 1)
        return slot;
    slot = quint16(++m_usedSlots);
    m_chars[slot] = {c, character.script() == QChar::Script_Latin, glyphs.front()};
    m_pairSteps[slot] = exactUnits(QString(character)); // after no character
    return slot;
}

qint32 TextFit::measuredPairStep(quint16 first, quint16 second)
{
    qint32 &step = m_pairSteps[first * SlotCount + second];
    // In a text with a Latin letter the font shapes all in Latin script, which may kern
    // otherwise than text without a script: a pair without a Latin letter of its own is
    // measured behind one, and not modelled when it does not keep its own glyphs there.
    const bool latin = m_chars[first].latin || m_chars[second].latin;
    const quint16 context = latin ? 0 : slotOf(LatinContext);
    if (context == NoSlot) {
        step = NotPlain;
        return step;
    }
    QString front;
    QList<quint32> ownGlyphs;
    if (context != 0) {
        front += QChar(LatinContext);
        ownGlyphs.append(m_chars[context].glyph);
    }
    front += QChar(m_chars[first].code);
    ownGlyphs << m_chars[first].glyph << m_chars[second].glyph;
    const QString pair = front + QChar(m_chars[second].code);
    if (shapedGlyphs(pair) == ownGlyphs)
        step = exactUnits(pair) - exactUnits(front);
    else
        step = latin ? Joined : NotPlain;
    return step;
}

std::optional<qint64> TextFit::tokenUnits(QStringView text)
{
    const auto slotAt = [&](qsizetype i) { return slotOf(text[i].unicode()); };
    qint64 units = 0;
    qsizetype previous = -1; // the tokens [previous, start) and [start, end)
    qsizetype start = 0;
    for (qsizetype end = 1; end <= text.size(); ++end) {
        if (end < text.size() && pairStep(slotAt(end - 1), slotAt(end)) == Joined)
            continue;
        if (end - start == 1 && (previous < 0 || start - previous == 1)) {
            units += pairStep(previous < 0 ? 0 : slotAt(previous), slotAt(start));
        } else {
            const qsizetype from = std::max<qsizetype>(previous, 0);
            const std::optional<qint32> both = ligatureUnits(text.sliced(from, end - from));
            if (!both)
                return std::nullopt;
            units += *both - (previous < 0 ? 0 : *ligatureUnits(text.sliced(from, start - from)));
        }
        previous = start;
        start = end;
    }
    return units;
}

std::optional<qint32> TextFit::ligatureUnits(QStringView text)
{
    if (text.size() > MaxLigatureKey)
        return std::nullopt;
    // No plain character has slot 0, so texts of different lengths differ too.
    quint64 key = 0;
    for (const QChar c : text)
        key = key << 8 | slotOf(c.unicode());
    auto known = m_ligatureUnits.constFind(key);
    if (known == m_ligatureUnits.cend())
        known = m_ligatureUnits.insert(key, exactUnits(text.toString()));
    return *known;
}

qint32 TextFit::exactUnits(const QString &text) const
{
    return qRound(m_exactMetrics.horizontalAdvance(text) * 64);
}

QList<quint32> TextFit::shapedGlyphs(const QString &text) const
{
    QTextLayout layout(text, m_font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<quint32> glyphs;
    for (const QGlyphRun &run : layout.glyphRuns())
        glyphs += run.glyphIndexes();
    return glyphs;
}
