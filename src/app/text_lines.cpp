#include "app/text_lines.h"

TextLines::TextLines(QString text) : TextLines(std::move(text), nullptr) {}

std::optional<TextLines> TextLines::broken(QString text, const std::atomic_bool &stop)
{
    TextLines lines(std::move(text), &stop);
    if (lines.m_stopped)
        return std::nullopt;
    return lines;
}

TextLines::TextLines(QString text, const std::atomic_bool *stop) : m_text(std::move(text))
{
    const char16_t *const begin = reinterpret_cast<const char16_t *>(m_text.constData());
    const qsizetype size = m_text.size();
    m_starts.push_back(0);
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = begin[i];
        if (unit != u'\n' && unit != u'\r' && unit != u'\u2029')
            continue;
        if (unit == u'\r' && i + 1 < size && begin[i + 1] == u'\n')
            ++i;
        m_starts.push_back(i + 1);
        if (stop && m_starts.size() % 65536 == 0 && *stop) {
            m_stopped = true;
            return;
        }
    }
    qsizetype most = -1;
    for (qsizetype index = 0; index < count(); ++index) {
        if (const qsizetype length = line(index).size(); length > most) {
            most = length;
            m_longest = index;
        }
    }
}

QStringView TextLines::line(qsizetype index) const
{
    const qsizetype start = m_starts[size_t(index)];
    if (index + 1 == count())
        return QStringView(m_text).sliced(start);
    qsizetype end = m_starts[size_t(index) + 1] - 1;
    if (m_text[end] == u'\n' && end > start && m_text[end - 1] == u'\r')
        --end;
    return QStringView(m_text).sliced(start, end - start);
}

QString TextLines::joined(qsizetype first, qsizetype last) const
{
    QString text;
    for (qsizetype index = first; index <= last; ++index) {
        if (index > first)
            text += u'\n';
        text += line(index);
    }
    return text;
}
