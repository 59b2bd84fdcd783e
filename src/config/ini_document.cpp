#include "config/ini_document.h"

#include "encoding/eight_bit_text.h"
#include "encoding/windows1252.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

constexpr char utf16Mark[] = "\xFF\xFE";
constexpr char utf8Mark[] = "\xEF\xBB\xBF";

bool isAsciiUpper(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

// Names match without regard to case or the blanks around them. The names the program writes
// are ASCII, which folds without the Unicode tables; a name already folded is shared, not copied.
QString folded(QStringView name)
{
    QString result = name.trimmed().toString();
    if (std::any_of(result.cbegin(), result.cend(), [](QChar c) { return c.unicode() >= 0x80; }))
        return std::move(result).toCaseFolded();
    for (QChar &c : result)
        if (isAsciiUpper(c))
            c = QChar(c.unicode() + (u'a' - u'A'));
    return result;
}

// Runs the lookup with the name folded; a short ASCII name is folded on the stack, since the
// lookups of loading and saving a configuration would otherwise each make a string.
template <typename Lookup> auto lookUpFolded(QStringView name, Lookup lookUp)
{
    constexpr qsizetype stackLength = 64;
    const QStringView trimmed = name.trimmed();
    if (trimmed.size() > stackLength ||
        std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.unicode() >= 0x80; }))
        return lookUp(folded(trimmed));
    std::array<QChar, stackLength> buffer;
    std::transform(trimmed.begin(), trimmed.end(), buffer.begin(),
                   [](QChar c) { return isAsciiUpper(c) ? QChar(c.unicode() + (u'a' - u'A')) : c; });
    return lookUp(QString::fromRawData(buffer.data(), trimmed.size()));
}

bool isAlreadyFolded(QStringView name);

QString folded(const QString &name)
{
    return isAlreadyFolded(name) ? name : folded(QStringView(name));
}

QString decode(const QByteArray &bytes, IniEncoding &encoding)
{
    if (bytes.startsWith(utf16Mark)) {
        encoding = IniEncoding::Utf16LittleEndian;
        const qsizetype units = (bytes.size() - 2) / 2; // an odd last byte is no character
        QString text(units, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(bytes.constData() + 2, units, text.data());
        return text;
    }
    if (bytes.startsWith(utf8Mark)) {
        encoding = IniEncoding::Utf8WithMark;
        return decodeUtf8(QByteArrayView(bytes).sliced(3));
    }
    bool wasUtf8 = false;
    QString text = decodeEightBitText(bytes, &wasUtf8);
    encoding = wasUtf8 ? IniEncoding::Utf8 : IniEncoding::Windows1252;
    return text;
}

QByteArray encode(const QString &text, IniEncoding encoding)
{
    switch (encoding) {
    case IniEncoding::Utf16LittleEndian: {
        QByteArray bytes(2 + text.size() * 2, Qt::Uninitialized);
        bytes[0] = utf16Mark[0];
        bytes[1] = utf16Mark[1];
        qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data() + 2);
        return bytes;
    }
    case IniEncoding::Utf8WithMark:
        return utf8Mark + text.toUtf8();
    case IniEncoding::Utf8:
        return text.toUtf8();
    case IniEncoding::Windows1252:
        break;
    }
    return encodeWindows1252(text);
}

// The name in "[name]", or nullopt for a line that is no section header.
std::optional<QStringView> headerName(QStringView line)
{
    line = line.trimmed();
    const qsizetype close = line.indexOf(u']');
    if (!line.startsWith(u'[') || close < 0)
        return std::nullopt;
    return line.sliced(1, close - 1).trimmed();
}

// The key of a "key=value" line as the line spells it; empty for comments and other lines.
QStringView spelledKeyOf(QStringView line)
{
    const QStringView start = line.trimmed();
    if (start.startsWith(u';') || start.startsWith(u'#'))
        return {};
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QStringView() : line.first(equals).trimmed();
}

// A stored value without the blanks around it and one pair of enclosing quotes.
QStringView unquoted(QStringView value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'\'' || value.front() == u'"'))
        value = value.sliced(1, value.size() - 2);
    return value;
}

// A value as one line that reads back as it was; a value that needs no change is shared.
QString formattedValue(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    const QStringView shown = value; // front() of a non-const QString would copy it
    if (!shown.isEmpty() && (shown.front().isSpace() || shown.back().isSpace()))
        return u'"' + value + u'"';
    return value;
}

bool isAlreadyFolded(QStringView name)
{
    return !name.isEmpty() && !name.front().isSpace() && !name.back().isSpace() &&
           std::none_of(name.cbegin(), name.cend(),
                        [](QChar c) { return c.unicode() >= 0x80 || isAsciiUpper(c); });
}

// The digit's value; 99, beyond every base, for any other character.
int digitValue(char16_t character)
{
    if (character >= u'0' && character <= u'9')
        return character - u'0';
    if (character >= u'a' && character <= u'f')
        return character - u'a' + 10;
    if (character >= u'A' && character <= u'F')
        return character - u'A' + 10;
    return 99;
}

// Decimal with an optional sign, or "$" or "0x" and hexadecimal digits taken as a 32-bit pattern.
std::optional<qint32> numberOf(QStringView text)
{
    const bool dollar = text.startsWith(u'$');
    const bool zeroX = text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X"));
    const bool hexadecimal = dollar || zeroX;
    const bool negative = text.startsWith(u'-');
    if (zeroX)
        text = text.sliced(2);
    else if (hexadecimal || negative || text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    const int base = hexadecimal ? 16 : 10;
    const qint64 limit = hexadecimal ? 0xFFFFFFFFLL : negative ? 0x80000000LL : 0x7FFFFFFFLL;
    qint64 number = 0;
    for (const QChar character : text) {
        const int digit = digitValue(character.unicode());
        if (digit >= base)
            return std::nullopt;
        number = number * base + digit;
        if (number > limit)
            return std::nullopt;
    }
    return qint32(quint32(negative ? -number : number));
}

} // namespace

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument document;
    document.m_source = decode(bytes, document.m_encoding);
    const QString &text = document.m_source;
    const qsizetype firstEnd = text.indexOf(u'\n');
    document.m_crLf = firstEnd < 0 || (firstEnd > 0 && text[firstEnd - 1] == u'\r');
    QVector<Line> *lines = &document.m_preamble;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        Line line;
        if (end < 0) {
            end = text.size();
            line.text = document.kept(QStringView(text).sliced(start));
        } else {
            const bool crLf = end > start && text[end - 1] == u'\r';
            line.end = crLf ? LineEnd::CrLf : LineEnd::Lf;
            line.text = document.kept(QStringView(text).sliced(start, end - start - (crLf ? 1 : 0)));
        }
        start = end + 1;
        if (const std::optional<QStringView> name = headerName(line.text)) {
            Section &section = document.m_sections.emplaceBack();
            section.name = name->toString();
            section.key = folded(section.name);
            section.header = std::move(line);
            lines = &section.body;
            continue;
        }
        const QStringView key = spelledKeyOf(line.text);
        line.key = isAlreadyFolded(key) ? document.kept(key) : folded(key);
        lines->append(std::move(line));
    }
    for (Section &section : document.m_sections)
        indexEntries(section);
    document.indexSections();
    return document;
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    const auto add = [&text](const Line &line) {
        text += line.text;
        if (line.written) {
            text += u'=';
            text += line.value;
        }
        if (line.end == LineEnd::CrLf)
            text += u'\r';
        if (line.end != LineEnd::None)
            text += u'\n';
    };
    for (const Line &line : m_preamble)
        add(line);
    for (const Section &section : m_sections) {
        add(section.header);
        for (const Line &line : section.body)
            add(line);
    }
    return encode(text, m_encoding);
}

QStringView IniDocument::spelledKey(const Line &line)
{
    return line.written ? QStringView(line.text).trimmed() : spelledKeyOf(line.text);
}

QStringView IniDocument::valueOf(const Line &line)
{
    return unquoted(line.written ? QStringView(line.value)
                                 : QStringView(line.text).sliced(line.text.indexOf(u'=') + 1));
}

bool IniDocument::isBlank(const Line &line)
{
    return !line.written && QStringView(line.text).trimmed().isEmpty();
}

QString IniDocument::kept(QStringView part) const
{
    const std::less_equal<const QChar *> atOrBefore;
    const QChar *begin = m_source.constData();
    const bool inSource = atOrBefore(begin, part.data()) && atOrBefore(part.data() + part.size(), begin + m_source.size());
    return inSource ? QString::fromRawData(part.data(), part.size()) : part.toString();
}

void IniDocument::indexEntries(Section &section)
{
    section.entries.clear();
    section.lastEntry = -1;
    for (qsizetype index = 0; index < section.body.size(); ++index) {
        const QString &key = section.body[index].key;
        if (key.isEmpty())
            continue;
        if (!section.entries.contains(key))
            section.entries.insert(key, index);
        section.lastEntry = index;
    }
}

void IniDocument::indexSections()
{
    m_sectionIndex.clear();
    for (qsizetype index = 0; index < m_sections.size(); ++index)
        if (!m_sectionIndex.contains(m_sections[index].key))
            m_sectionIndex.insert(m_sections[index].key, index);
}

const IniDocument::Section *IniDocument::findSection(QStringView section) const
{
    const qsizetype index =
        lookUpFolded(section, [this](const QString &key) { return m_sectionIndex.value(key, -1); });
    return index < 0 ? nullptr : &m_sections[index];
}

// A copy of the document shares its sections until one of them changes, so the section to
// change is taken from the document's own list.
IniDocument::Section *IniDocument::findSection(QStringView section)
{
    const Section *found = std::as_const(*this).findSection(section);
    return found ? &m_sections[found - m_sections.constData()] : nullptr;
}

const IniDocument::Line *IniDocument::findEntry(QStringView section, QStringView key) const
{
    const Section *found = findSection(section);
    if (!found)
        return nullptr;
    const qsizetype index =
        lookUpFolded(key, [found](const QString &name) { return found->entries.value(name, -1); });
    return index < 0 ? nullptr : &found->body[index];
}

// Only the last line of a file may lack its line end; a line added after it needs one.
void IniDocument::endLastLine()
{
    Line *last = nullptr;
    if (!m_sections.isEmpty())
        last = m_sections.last().body.isEmpty() ? &m_sections.last().header : &m_sections.last().body.last();
    else if (!m_preamble.isEmpty())
        last = &m_preamble.last();
    if (last && last->end == LineEnd::None)
        last->end = newLineEnd();
}

QString IniDocument::readText(QStringView section, QStringView key, const QString &fallback) const
{
    const Line *entry = findEntry(section, key);
    return entry ? valueOf(*entry).toString() : fallback;
}

qint32 IniDocument::readNumber(QStringView section, QStringView key, qint32 fallback) const
{
    const Line *entry = findEntry(section, key);
    return entry ? numberOf(valueOf(*entry)).value_or(fallback) : fallback;
}

bool IniDocument::readFlag(QStringView section, QStringView key, bool fallback) const
{
    return readNumber(section, key, fallback ? 1 : 0) != 0;
}

bool IniDocument::contains(QStringView section, QStringView key) const
{
    return findEntry(section, key) != nullptr;
}

void IniDocument::writeText(const QString &section, const QString &key, const QString &value)
{
    const QString keyName = folded(key);
    if (keyName.isEmpty())
        return; // "=value" would be no entry when read again
    Section *found = findSection(section);
    if (!found) {
        endLastLine();
        Section &added = m_sections.emplaceBack();
        added.name = section.trimmed();
        added.key = folded(section);
        added.header = Line{u'[' + added.name + u']', {}, {}, newLineEnd()};
        m_sectionIndex.insert(added.key, m_sections.size() - 1);
        found = &added;
    }
    const qsizetype existing = found->entries.value(keyName, -1);
    if (existing >= 0) {
        Line &line = found->body[existing];
        if (!line.written) {
            line.text = kept(QStringView(line.text).first(line.text.indexOf(u'=')));
            line.written = true;
        }
        line.value = formattedValue(value);
        return;
    }
    // After the last entry, or else before the blank lines that end the section; no entry
    // follows the new line, so the indexes of the others stay valid.
    qsizetype position = found->lastEntry + 1;
    if (found->lastEntry < 0) {
        position = found->body.size();
        while (position > 0 && isBlank(found->body[position - 1]))
            --position;
    }
    if (found == &m_sections.last() && position == found->body.size())
        endLastLine();
    // A name that reads as a comment or holds an "=" is kept as one text, as it will read back.
    const QString spelled = key.trimmed();
    if (spelled.contains(u'=') || spelled.startsWith(u';') || spelled.startsWith(u'#'))
        found->body.insert(position, Line{spelled + u'=' + formattedValue(value), keyName, {}, newLineEnd()});
    else
        found->body.insert(position, Line{spelled, keyName, formattedValue(value), newLineEnd(), true});
    found->entries.insert(keyName, position);
    found->lastEntry = position;
}

void IniDocument::writeNumber(const QString &section, const QString &key, qint32 value)
{
    writeText(section, key, QString::number(value));
}

void IniDocument::writeFlag(const QString &section, const QString &key, bool value)
{
    writeText(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList IniDocument::sections() const
{
    QStringList names;
    for (qsizetype index = 0; index < m_sections.size(); ++index)
        if (m_sectionIndex.value(m_sections[index].key) == index)
            names.append(m_sections[index].name);
    return names;
}

QStringList IniDocument::keys(const QString &section) const
{
    QStringList names;
    if (const Section *found = findSection(section))
        for (qsizetype index = 0; index <= found->lastEntry; ++index)
            if (found->entries.value(found->body[index].key, -1) == index)
                names.append(spelledKey(found->body[index]).toString());
    return names;
}

QStringList IniDocument::keyValues(const QString &section) const
{
    QStringList pairs;
    if (const Section *found = findSection(section))
        for (qsizetype index = 0; index <= found->lastEntry; ++index) {
            const Line &line = found->body[index];
            if (found->entries.value(line.key, -1) == index)
                pairs.append(spelledKey(line) + u'=' + valueOf(line));
        }
    return pairs;
}

void IniDocument::removeSection(const QString &section)
{
    const QString name = folded(section);
    if (m_sections.removeIf([&name](const Section &each) { return each.key == name; }) > 0)
        indexSections();
}

void IniDocument::removeKey(const QString &section, const QString &key)
{
    Section *found = findSection(section);
    const QString name = folded(key);
    if (found && found->body.removeIf([&name](const Line &line) { return line.key == name; }) > 0)
        indexEntries(*found);
}
