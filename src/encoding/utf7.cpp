#include "encoding/utf7.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr char base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Letters, digits, the set ' ( ) , - . / : ? with space, tab, CR and LF, and the optional
// direct characters; "+" is not among them, "\" and "~" neither.
bool isWrittenAsItself(char16_t unit)
{
    if ((unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9'))
        return true;
    constexpr std::u16string_view others = u"'(),-./:? \t\r\n!\"#$%&*;<=>[]^_`{|}@";
    return others.find(unit) != std::u16string_view::npos;
}

bool wouldContinueRun(char16_t unit)
{
    return unit == u'-' || unit == u'+' || unit == u'/' || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9');
}

class Utf7Writer {
public:
    void put(char16_t unit)
    {
        if (isWrittenAsItself(unit)) {
            if (m_inRun) {
                closeRun();
                if (wouldContinueRun(unit))
                    m_out.append('-');
            }
            m_out.append(char(unit));
        } else if (unit == u'+' && !m_inRun) {
            m_out.append("+-");
        } else {
            putEncoded(unit);
        }
    }

    QByteArray finish()
    {
        if (m_inRun)
            closeRun();
        return m_out;
    }

private:
    void putEncoded(char16_t unit)
    {
        if (!m_inRun) {
            m_out.append('+');
            m_inRun = true;
        }
        m_bits = (m_bits << 16) | unit;
        m_bitCount += 16;
        while (m_bitCount >= 6) {
            m_bitCount -= 6;
            m_out.append(base64Alphabet[(m_bits >> m_bitCount) & 0x3F]);
        }
        m_bits &= (1u << m_bitCount) - 1;
    }

    // The bits still held are padded with zeros to one last group of six.
    void closeRun()
    {
        if (m_bitCount > 0)
            m_out.append(base64Alphabet[(m_bits << (6 - m_bitCount)) & 0x3F]);
        m_bits = 0;
        m_bitCount = 0;
        m_inRun = false;
    }

    QByteArray m_out;
    std::uint32_t m_bits = 0;
    int m_bitCount = 0;
    bool m_inRun = false;
};

int base64Value(char byte)
{
    const char *found = byte ? std::strchr(base64Alphabet, byte) : nullptr;
    return found ? int(found - base64Alphabet) : -1;
}

} // namespace

QByteArray encodeUtf7(QStringView text)
{
    Utf7Writer writer;
    for (const QChar unit : text)
        writer.put(unit.unicode());
    return writer.finish();
}

std::optional<QString> decodeUtf7(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        const char byte = bytes[index];
        if (uchar(byte) > 0x7F)
            return std::nullopt;
        if (byte != '+') {
            text.append(QLatin1Char(byte));
            continue;
        }
        if (index + 1 < bytes.size() && bytes[index + 1] == '-') {
            text.append(u'+');
            ++index;
            continue;
        }
        std::uint32_t bits = 0;
        int bitCount = 0;
        const qsizetype runStart = index + 1;
        for (++index; index < bytes.size() && base64Value(bytes[index]) >= 0; ++index) {
            bits = (bits << 6) | std::uint32_t(base64Value(bytes[index]));
            bitCount += 6;
            if (bitCount >= 16) {
                bitCount -= 16;
                text.append(QChar(char16_t(bits >> bitCount)));
                bits &= (1u << bitCount) - 1;
            }
        }
        if (index == runStart || bitCount >= 6 || bits != 0)
            return std::nullopt;
        // The "-" that closes a run is no character; any other byte is read again as direct.
        if (index < bytes.size() && bytes[index] != '-')
            --index;
    }
    return text;
}
