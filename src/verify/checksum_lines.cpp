#include "verify/checksum_lines.h"

#include "verify/manifest_lines.h"

#include <array>

namespace {

struct TagName {
    const char *tag;
    ChecksumKind kind;
};
// CRC32 tags are rhash's, which means the common CRC-32.
constexpr std::array<TagName, 5> tagNames = {{{"MD5", ChecksumKind::MD5},
                                              {"SHA1", ChecksumKind::SHA1},
                                              {"SHA256", ChecksumKind::SHA256},
                                              {"SHA512", ChecksumKind::SHA512},
                                              {"CRC32", ChecksumKind::CRC32IsoHdlc}}};

std::optional<ChecksumKind> kindOfHexLength(qsizetype length)
{
    for (const ChecksumKind kind :
         {ChecksumKind::MD5, ChecksumKind::SHA1, ChecksumKind::SHA256, ChecksumKind::SHA512})
        if (hexLength(kind) == length)
            return kind;
    return std::nullopt;
}

// The name of an escaped line: "\\", "\n" and "\r" stand for their characters; any other
// backslash spoils the line.
std::optional<QByteArray> unescapedName(QByteArrayView name)
{
    QByteArray plain;
    plain.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') {
            plain.append(name[i]);
            continue;
        }
        if (++i == name.size())
            return std::nullopt;
        switch (name[i]) {
        case 'n':
            plain.append('\n');
            break;
        case 'r':
            plain.append('\r');
            break;
        case '\\':
            plain.append('\\');
            break;
        default:
            return std::nullopt;
        }
    }
    return plain;
}

std::optional<QByteArray> nameOf(QByteArrayView name, bool escaped)
{
    if (name.contains('\0'))
        return std::nullopt;
    return escaped ? unescapedName(name) : std::optional<QByteArray>(name.toByteArray());
}

// "(NAME) = HEX" after the tag: the name ends at the last ")".
std::optional<ManifestEntry> tagEntry(QByteArrayView rest, ChecksumKind kind, bool escaped)
{
    const qsizetype close = rest.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    qsizetype i = close + 1;
    while (i < rest.size() && isBlank(rest[i]))
        ++i;
    if (i == rest.size() || rest[i] != '=')
        return std::nullopt;
    ++i;
    while (i < rest.size() && isBlank(rest[i]))
        ++i;
    const std::optional<QByteArray> hex = lowerHex(rest.sliced(i));
    const std::optional<QByteArray> name = nameOf(rest.first(close), escaped);
    if (!hex || hex->size() != hexLength(kind) || !name)
        return std::nullopt;
    return ManifestEntry{*name, {{kind, *hex}}, std::nullopt, 0};
}

class LineReader {
public:
    // An entry, or none for a bad line; isTag says which form it had.
    std::optional<ManifestEntry> read(QByteArrayView line, bool &isTag)
    {
        qsizetype i = 0;
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const bool escaped = i < line.size() && line[i] == '\\';
        if (escaped)
            ++i;
        for (const TagName &tag : tagNames) {
            const QByteArrayView name(tag.tag);
            if (!line.sliced(i).startsWith(name))
                continue;
            qsizetype at = i + name.size();
            if (at < line.size() && line[at] == ' ')
                ++at;
            if (at < line.size() && line[at] == '(') {
                isTag = true;
                return tagEntry(line.sliced(at + 1), tag.kind, escaped);
            }
        }
        isTag = false;
        return plainEntry(line, i, escaped);
    }

private:
    std::optional<ManifestEntry> plainEntry(QByteArrayView line, qsizetype from, bool escaped)
    {
        qsizetype i = from;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        const std::optional<QByteArray> hex = lowerHex(line.sliced(from, i - from));
        const std::optional<ChecksumKind> kind = hex ? kindOfHexLength(hex->size()) : std::nullopt;
        if (!kind || i == line.size())
            return std::nullopt;
        ++i; // the blank after the digest
        // "HEX NAME" with one blank (BSD's reversed form) is taken only in a file of such lines,
        // so that a name cannot start with a blank that was meant as the separator.
        const bool reversedForm = line.size() - i == 1 || (line[i] != ' ' && line[i] != '*');
        if (reversedForm) {
            if (m_reversed == Reversed::No)
                return std::nullopt;
            m_reversed = Reversed::Yes;
        } else if (m_reversed != Reversed::Yes) {
            m_reversed = Reversed::No;
            ++i;
        }
        const std::optional<QByteArray> name = nameOf(line.sliced(i), escaped);
        if (!name)
            return std::nullopt;
        return ManifestEntry{*name, {{*kind, *hex}}, std::nullopt, 0};
    }

    enum class Reversed { Unknown, No, Yes };
    Reversed m_reversed = Reversed::Unknown;
};

} // namespace

Manifest readChecksumLines(QByteArrayView bytes)
{
    Manifest manifest;
    LineReader reader;
    forEachLine(bytes, [&](QByteArrayView line, qsizetype number) {
        if (line.isEmpty() || line.startsWith('#'))
            return;
        bool isTag = false;
        const bool first = manifest.entries.isEmpty();
        addLine(manifest, line.size() > MaxLineBytes ? std::nullopt : reader.read(line, isTag), number);
        if (first && !manifest.entries.isEmpty())
            manifest.format = isTag ? ManifestFormat::BsdTags : ManifestFormat::GnuLines;
    });
    return manifest;
}
