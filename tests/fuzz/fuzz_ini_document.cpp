// Configuration documents from any bytes: every key reads, an untouched document gives its bytes
// back, and a written key reads back after the document went through its bytes again.
#include "config/ini_document.h"
#include "fuzz_support.h"

#include <algorithm>

namespace {

// Blanks at both ends, quotes, a comment sign and an "=": all must survive.
const QString written = QStringLiteral(" '; x' = y ");

void readEverything(const IniDocument &document)
{
    const QStringList sections = document.sections();
    for (const QString &section : sections.first(std::min<qsizetype>(sections.size(), 64))) {
        const QStringList keys = document.keys(section);
        check(document.keyValues(section).size() == keys.size(), "one pair per key");
        for (const QString &key : keys.first(std::min<qsizetype>(keys.size(), 64))) {
            check(document.contains(section, key), "listed keys are there");
            document.readText(section, key, QString());
            document.readNumber(section, key, 0);
            document.readFlag(section, key, true);
        }
    }
}

// Only bytes the encoding cannot carry change: an odd last byte of UTF-16, bytes that are no
// UTF-8 after a UTF-8 mark, the five bytes Windows-1252 leaves empty.
void checkUntouchedBytes(const QByteArray &bytes, const IniDocument &document)
{
    const QByteArray again = document.toBytes();
    switch (document.encoding()) {
    case IniEncoding::Utf16LittleEndian:
        check(again == bytes.first(bytes.size() & ~qsizetype(1)), "UTF-16 comes back");
        break;
    case IniEncoding::Utf8:
        check(again == bytes, "UTF-8 comes back");
        break;
    case IniEncoding::Windows1252:
        check(again.size() == bytes.size(), "Windows-1252 keeps one byte per byte");
        break;
    case IniEncoding::Utf8WithMark:
        check(again.startsWith("\xEF\xBB\xBF"), "the UTF-8 mark stays");
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    IniDocument document = IniDocument::fromBytes(bytes);
    readEverything(document);
    checkUntouchedBytes(bytes, document);

    const QStringList sections = document.sections();
    const QString firstSection = sections.value(0);
    const QString firstKey = document.keys(firstSection).value(0);
    document.writeText(QStringLiteral("Fuzz"), QStringLiteral("Key"), written);
    if (!firstKey.isEmpty())
        document.writeText(firstSection, firstKey, written);
    const IniDocument again = IniDocument::fromBytes(document.toBytes());
    readEverything(again);
    check(again.readText(QStringLiteral("fuzz"), QStringLiteral("KEY"), QString()) == written,
          "a written key reads back");
    // Names from an 8-bit file may hold characters its code page leaves empty.
    if (document.encoding() != IniEncoding::Windows1252 && !firstKey.isEmpty())
        check(again.readText(firstSection, firstKey, QString()) == written, "a replaced key reads back");
    return 0;
}
