#pragma once
// Tells whether a text is at most so many pixels wide in a font, with the very answer that
// QFontMetrics::horizontalAdvance gives, but without shaping most texts: shaping costs
// microseconds per text, which a column of 100,000 shortened paths cannot afford.
//
// Plain text (Latin letters, digits, punctuation, symbols and spaces that the font itself has,
// no marks, no controls) is modelled: its width is summed in the font's own 1/64-pixel units and
// rounded once, halves up, as the font's measurement rounds its sum. The sum runs over tokens,
// each a character or a ligature (a run of characters that do not shape into their own glyphs),
// and every token adds the width of itself together with the token before it, less that token:
// so kerning pairs and ligatures count as the font shapes them. Any other text is measured by
// the font itself, and so is any sum within a pixel of the limit, where a context wider than
// two tokens could still tip the answer. The caches make it an object for one thread.
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <array>
#include <limits>
#include <optional>
#include <vector>

class TextFit {
public:
    // A modelled width: 1/64 pixels, whether a Latin letter is among the characters, and the
    // last character when it is a token of its own, else 0: more text may be modelled after it.
    struct Width {
        qint64 units = 0;
        bool latin = false;
        char16_t last = 0;
    };

    explicit TextFit(const QFont &font);

    // The width of plain text that follows a text whose Width::last is `before` (0: no text);
    // none when a character is not plain or the first one joins `before` in a ligature.
    std::optional<Width> model(QStringView text, char16_t before = 0);
    // Whether QFontMetrics(font).horizontalAdvance(text) <= maxWidth: decided on the text's
    // modelled width when that is far enough from the limit, else measured.
    bool fits(const QString &text, const std::optional<Width> &width, int maxWidth);

private:
    // Plain characters get slots 1 to 255 in the caches as they come; slot 0 stands for no
    // character.
    static constexpr quint16 Unseen = 0;
    static constexpr quint16 NoSlot = 0xffff; // not plain, or no slot left
    static constexpr int SlotCount = 256;

    struct CharInfo {
        char16_t code = 0;
        bool latin = false;
        quint32 glyph = 0; // the one glyph the character shapes into on its own
    };

    quint16 slotOf(char16_t c)
    {
        const quint16 slot = m_slots[c];
        return slot == Unseen ? assignedSlot(c) : slot;
    }
    quint16 assignedSlot(char16_t c);
    // Width of the pair less the width of `first` (slot 0: the width of `second`); Joined when
    // the two shape into other glyphs than their own, NotPlain when they are no plain pair.
    qint32 pairStep(quint16 first, quint16 second)
    {
        const qint32 step = m_pairSteps[first * SlotCount + second];
        return step == Unknown ? measuredPairStep(first, second) : step;
    }
    qint32 measuredPairStep(quint16 first, quint16 second);
    // The width of plain text with ligatures, token by token; none for a ligature too long to
    // keep.
    std::optional<qint64> tokenUnits(QStringView text);
    std::optional<qint32> ligatureUnits(QStringView text);
    qint32 exactUnits(const QString &text) const;
    QList<quint32> shapedGlyphs(const QString &text) const;

    static constexpr qint32 Joined = std::numeric_limits<qint32>::min();
    static constexpr qint32 NotPlain = Joined + 1;
    static constexpr qint32 Unknown = Joined + 2;

    QFont m_font;
    QFontMetrics m_metrics;
    QFontMetricsF m_exactMetrics;
    QRawFont m_primaryFont;       // without the fonts that stand in for missing characters
    std::vector<quint16> m_slots; // by UTF-16 code unit
    std::array<CharInfo, SlotCount> m_chars;
    int m_usedSlots = 0;
    std::vector<qint32> m_pairSteps;        // by first slot × SlotCount + second slot
    QHash<quint64, qint32> m_ligatureUnits; // by the characters' slots, eight bits each
};
