#pragma once
// A text with the places where its lines begin, broken as a plain text view breaks it: at a line
// feed, a carriage return with or without a line feed after it, and a paragraph separator. A
// view then takes any line at once, however long the text is.
#include <QString>
#include <QStringView>

#include <atomic>
#include <optional>
#include <vector>

class TextLines {
public:
    TextLines() : TextLines(QString()) {}
    explicit TextLines(QString text);
    // Nothing when stop was set on the way.
    static std::optional<TextLines> broken(QString text, const std::atomic_bool &stop);

    const QString &whole() const { return m_text; }
    // An empty text, and a text after its last line end, hold one empty line more.
    qsizetype count() const { return qsizetype(m_starts.size()); }
    // Without its line end.
    QStringView line(qsizetype index) const;
    // The lines joined by line feeds.
    QString joined(qsizetype first, qsizetype last) const;
    // The first of the lines with the most characters.
    qsizetype longest() const { return m_longest; }

private:
    TextLines(QString text, const std::atomic_bool *stop);
    QString m_text;
    std::vector<qsizetype> m_starts;
    qsizetype m_longest = 0;
    bool m_stopped = false;
};
