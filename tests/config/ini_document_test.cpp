#include "config/ini_document.h"
#include "encoding_test_support.h"

#include <gtest/gtest.h>

namespace {

IniDocument documentOf(const char *utf8)
{
    return IniDocument::fromBytes(QByteArray(utf8));
}

QString textOf(const IniDocument &document)
{
    return QString::fromUtf8(document.toBytes());
}

QString readBack(const IniDocument &document, const QString &section, const QString &key)
{
    return IniDocument::fromBytes(document.toBytes()).readText(section, key, QStringLiteral("<missing>"));
}

const QString section = QStringLiteral("S");

// Bytes as the literal writes them, zero bytes included.
template <qsizetype size> QByteArray raw(const char (&bytes)[size])
{
    return QByteArray(bytes, size - 1);
}

} // namespace

TEST(IniDocument, ReadsValuesWithoutBlanksAndOnePairOfQuotes)
{
    const IniDocument document = documentOf("; a=comment\r\n"
                                            "[S]\r\n"
                                            "single='abc'\r\n"
                                            "double=\"abc\"\r\n"
                                            "twice=''abc''\r\n"
                                            "mixed='abc\"\r\n"
                                            "lone='\r\n"
                                            "  Spaced  =  value with  inner blanks  \r\n"
                                            "quotedBlanks=\" a \"\r\n"
                                            "# hashed=1\r\n"
                                            "; semi=1\r\n"
                                            "no equals sign\r\n"
                                            "=no key\r\n"
                                            "equals=a=b\r\n"
                                            "empty=\r\n"
                                            "[ Other Section ]\r\n"
                                            "key=other\r\n");
    const auto read = [&](const char *key) {
        return document.readText(section, QString::fromUtf8(key), QStringLiteral("<missing>"));
    };
    EXPECT_EQ(read("single"), QStringLiteral("abc"));
    EXPECT_EQ(read("double"), QStringLiteral("abc"));
    EXPECT_EQ(read("twice"), QStringLiteral("'abc'"));
    EXPECT_EQ(read("mixed"), QStringLiteral("'abc\""));
    EXPECT_EQ(read("lone"), QStringLiteral("'"));
    EXPECT_EQ(read("spaced"), QStringLiteral("value with  inner blanks"));
    EXPECT_EQ(read("quotedBlanks"), QStringLiteral(" a "));
    EXPECT_EQ(read("equals"), QStringLiteral("a=b"));
    EXPECT_EQ(read("empty"), QString());
    EXPECT_TRUE(document.contains(section, QStringLiteral("empty")));
    // Comments and lines without a key are no entries; the lines before any header belong to none.
    EXPECT_EQ(read("# hashed"), QStringLiteral("<missing>"));
    EXPECT_EQ(read("; semi"), QStringLiteral("<missing>"));
    EXPECT_FALSE(document.contains(QString(), QStringLiteral("; a")));
    EXPECT_EQ(
        document.keys(section),
        QStringList({QStringLiteral("single"), QStringLiteral("double"), QStringLiteral("twice"),
                     QStringLiteral("mixed"), QStringLiteral("lone"), QStringLiteral("Spaced"),
                     QStringLiteral("quotedBlanks"), QStringLiteral("equals"), QStringLiteral("empty")}));
    // Names match without regard to case and the blanks around them.
    EXPECT_EQ(document.readText(QStringLiteral(" other section"), QStringLiteral("KEY "), QString()),
              QStringLiteral("other"));
    EXPECT_EQ(document.sections(), QStringList({section, QStringLiteral("Other Section")}));
    EXPECT_EQ(document.keyValues(QStringLiteral("other section")),
              QStringList({QStringLiteral("key=other")}));
    EXPECT_EQ(document.readText(QStringLiteral("Missing"), QStringLiteral("key"), QStringLiteral("fb")),
              QStringLiteral("fb"));
    EXPECT_TRUE(document.keys(QStringLiteral("Missing")).isEmpty());
}

TEST(IniDocument, DuplicatesLeaveTheFirstInCharge)
{
    IniDocument document = documentOf("[S]\nk=1\nK=2\n[s]\nk=3\nother=4\n");
    EXPECT_EQ(document.readText(section, QStringLiteral("k"), QString()), QStringLiteral("1"));
    EXPECT_EQ(document.readText(section, QStringLiteral("other"), QStringLiteral("<missing>")),
              QStringLiteral("<missing>"));
    EXPECT_EQ(document.sections(), QStringList({section}));
    EXPECT_EQ(document.keyValues(section), QStringList({QStringLiteral("k=1")}));
    document.writeText(section, QStringLiteral("K"), QStringLiteral("5"));
    EXPECT_EQ(textOf(document), QStringLiteral("[S]\nk=5\nK=2\n[s]\nk=3\nother=4\n"));
    document.removeKey(section, QStringLiteral("k"));
    EXPECT_EQ(textOf(document), QStringLiteral("[S]\n[s]\nk=3\nother=4\n"));
    document.removeSection(QStringLiteral("s"));
    EXPECT_EQ(textOf(document), QString());
}

TEST(IniDocument, ReadsNumbersAndFlags)
{
    const IniDocument document = documentOf("[S]\n"
                                            "a=42\nb=-7\nc=$1F\nd=0x1F\ne=0X1f\nf=abc\ng=\nh=$FFFFFFFF\n"
                                            "i=2147483647\nj=2147483648\nk=-2147483648\nl=-2147483649\n"
                                            "m=$100000000\nn=0x\no=+5\np=4 2\nq=$\nr=-\ns='12'\nt=٣\n"
                                            "yes=yes\nzero=0\ntwo=2\nminus=-1\nhex=0x10\n");
    const auto number = [&](const char *key) {
        return document.readNumber(section, QString::fromUtf8(key), 99);
    };
    EXPECT_EQ(number("a"), 42);
    EXPECT_EQ(number("b"), -7);
    EXPECT_EQ(number("c"), 31);
    EXPECT_EQ(number("d"), 31);
    EXPECT_EQ(number("e"), 31);
    EXPECT_EQ(number("f"), 99);
    EXPECT_EQ(number("g"), 99);
    EXPECT_EQ(number("h"), -1);
    EXPECT_EQ(number("i"), 2147483647);
    EXPECT_EQ(number("j"), 99);
    EXPECT_EQ(number("k"), -2147483647 - 1);
    EXPECT_EQ(number("l"), 99);
    EXPECT_EQ(number("m"), 99);
    EXPECT_EQ(number("n"), 99);
    EXPECT_EQ(number("o"), 5);
    EXPECT_EQ(number("p"), 99);
    EXPECT_EQ(number("q"), 99);
    EXPECT_EQ(number("r"), 99);
    EXPECT_EQ(number("s"), 12);
    EXPECT_EQ(number("t"), 99); // digits of other scripts are no number
    EXPECT_EQ(number("missing"), 99);

    const auto flag = [&](const char *key, bool fallback) {
        return document.readFlag(section, QString::fromUtf8(key), fallback);
    };
    EXPECT_FALSE(flag("zero", false));
    EXPECT_FALSE(flag("zero", true));
    EXPECT_FALSE(flag("missing", false));
    EXPECT_TRUE(flag("missing", true));
    EXPECT_FALSE(flag("yes", false));
    EXPECT_TRUE(flag("yes", true));
    EXPECT_FALSE(flag("g", false));
    EXPECT_TRUE(flag("two", false));
    EXPECT_TRUE(flag("minus", false));
    EXPECT_TRUE(flag("hex", false));
}

TEST(IniDocument, WritesInPlaceAtTheEndOfSectionsAndAtTheEnd)
{
    IniDocument document = documentOf("; head\n"
                                      "[A]\n"
                                      "one = 1\n"
                                      "; between\n"
                                      "two=2\n"
                                      "; after the last entry\n"
                                      "\n"
                                      "[Empty]\n"
                                      "; only a comment\n"
                                      "\n"
                                      "[Last]\n"
                                      "x=1");
    EXPECT_EQ(document.encoding(), IniEncoding::Utf8);
    document.writeText(QStringLiteral("a"), QStringLiteral("ONE"), QStringLiteral("first"));
    document.writeText(QStringLiteral("A"), QStringLiteral("one"), QStringLiteral("second"));
    document.writeText(QStringLiteral("A"), QStringLiteral("three"), QStringLiteral("3"));
    document.writeNumber(QStringLiteral("A"), QStringLiteral("four"), -4);
    document.writeFlag(QStringLiteral("Empty"), QStringLiteral("on"), true);
    document.writeFlag(QStringLiteral("Empty"), QStringLiteral("off"), false);
    document.writeText(QStringLiteral("Last"), QStringLiteral("y"), QStringLiteral("2"));
    document.writeText(QStringLiteral("New"), QStringLiteral("k"), QStringLiteral("v"));
    document.writeText(QStringLiteral("A"), QStringLiteral(" "), QStringLiteral("nameless"));
    EXPECT_EQ(textOf(document), QStringLiteral("; head\n"
                                               "[A]\n"
                                               "one =second\n"
                                               "; between\n"
                                               "two=2\n"
                                               "three=3\n"
                                               "four=-4\n"
                                               "; after the last entry\n"
                                               "\n"
                                               "[Empty]\n"
                                               "; only a comment\n"
                                               "on=1\n"
                                               "off=0\n"
                                               "\n"
                                               "[Last]\n"
                                               "x=1\n"
                                               "y=2\n"
                                               "[New]\n"
                                               "k=v\n"));
    EXPECT_EQ(document.readNumber(QStringLiteral("A"), QStringLiteral("four"), 0), -4);

    document.removeKey(QStringLiteral("A"), QStringLiteral("two"));
    document.removeKey(QStringLiteral("A"), QStringLiteral("missing"));
    document.removeKey(QStringLiteral("Missing"), QStringLiteral("x"));
    document.removeSection(QStringLiteral("empty"));
    document.removeSection(QStringLiteral("Missing"));
    document.writeText(QStringLiteral("A"), QStringLiteral("five"), QStringLiteral("5"));
    EXPECT_EQ(textOf(document), QStringLiteral("; head\n"
                                               "[A]\n"
                                               "one =second\n"
                                               "; between\n"
                                               "three=3\n"
                                               "four=-4\n"
                                               "five=5\n"
                                               "; after the last entry\n"
                                               "\n"
                                               "[Last]\n"
                                               "x=1\n"
                                               "y=2\n"
                                               "[New]\n"
                                               "k=v\n"));
    EXPECT_EQ(document.sections(),
              QStringList({QStringLiteral("A"), QStringLiteral("Last"), QStringLiteral("New")}));
}

// Lines as read share the document's decoded text; what is read from a document, and its
// copies, live on after it.
TEST(IniDocument, ReadTextsAndCopiesOutliveTheDocument)
{
    QString value;
    QStringList keys;
    IniDocument copy;
    {
        IniDocument document = documentOf("[S]\nname=value\nOther Key = two\n");
        value = document.readText(section, u"name", QString());
        keys = document.keys(section);
        copy = document;
        document.writeText(section, QStringLiteral("name"), QStringLiteral("changed"));
    }
    EXPECT_EQ(value, u"value");
    EXPECT_EQ(keys, QStringList({QStringLiteral("name"), QStringLiteral("Other Key")}));
    EXPECT_EQ(copy.readText(section, u"other key", QString()), u"two");
    copy.writeText(section, QStringLiteral("OTHER KEY"), QStringLiteral("three"));
    EXPECT_EQ(textOf(copy), QStringLiteral("[S]\nname=value\nOther Key =three\n"));
}

TEST(IniDocument, NewDocumentsAreUtf16WithCrLf)
{
    IniDocument document;
    EXPECT_EQ(document.toBytes(), QByteArray("\xFF\xFE"));
    document.writeText(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("\u00FC"));
    EXPECT_EQ(hex(document.toBytes()), "FF FE 5B 00 53 00 5D 00 0D 00 0A 00 6B 00 3D 00 FC 00 0D 00 0A 00");
}

TEST(IniDocument, ValuesReadBackWhole)
{
    IniDocument document;
    const QStringList values = {QStringLiteral("; "),       QStringLiteral(" "),
                                QStringLiteral("  a  b  "), QStringLiteral("\"x\" "),
                                QStringLiteral(" 'y'"),     QString(),
                                QStringLiteral("\t tab\t"), QStringLiteral("= = ="),
                                QStringLiteral("[S]"),      QString(3000, u'x') + u'\u20AC'};
    for (qsizetype index = 0; index < values.size(); ++index)
        document.writeText(section, QString::number(index), values[index]);
    for (qsizetype index = 0; index < values.size(); ++index)
        EXPECT_EQ(readBack(document, section, QString::number(index)), values[index]) << index;

    // A value is one line: its line breaks become blanks.
    document.writeText(section, QStringLiteral("broken"), QStringLiteral("a\r\nb\nc\r"));
    document.writeText(section, QStringLiteral("after"), QStringLiteral("z"));
    EXPECT_EQ(readBack(document, section, QStringLiteral("broken")), QStringLiteral("a  b c "));
    EXPECT_EQ(readBack(document, section, QStringLiteral("after")), QStringLiteral("z"));
}

TEST(IniDocument, EachEncodingComesBackByteForByte)
{
    struct Case {
        QByteArray bytes;
        IniEncoding encoding;
        QString value; // of S.k
    };
    const QString umlauts = QStringLiteral("\u00E4\u20AC");
    const QByteArray utf16 = raw("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE4\0\xAC\x20\r\0\n\0;\0\x3D\xD8\x00\xDE");
    const QList<Case> cases = {
        {utf16, IniEncoding::Utf16LittleEndian, umlauts},
        {"\xEF\xBB\xBF[S]\r\nk=\xC3\xA4\xE2\x82\xAC\r\n; end", IniEncoding::Utf8WithMark, umlauts},
        {"[S]\nk=\xC3\xA4\xE2\x82\xAC\n\n; x\n", IniEncoding::Utf8, umlauts},
        {"[S]\r\nk=\xE4\x80\r\n# \xFF\n", IniEncoding::Windows1252, umlauts},
        {"[S]\r\nk=plain\r\n", IniEncoding::Utf8, QStringLiteral("plain")},
        {"", IniEncoding::Utf8, QStringLiteral("<missing>")},
    };
    for (const Case &each : cases) {
        const IniDocument document = IniDocument::fromBytes(each.bytes);
        EXPECT_EQ(document.encoding(), each.encoding) << hex(each.bytes);
        EXPECT_EQ(document.readText(section, QStringLiteral("k"), QStringLiteral("<missing>")), each.value);
        EXPECT_EQ(hex(document.toBytes()), hex(each.bytes));
    }

    // A written document keeps its encoding, its mark and its line ends.
    IniDocument ansi = IniDocument::fromBytes("[S]\r\nk=\xE4\r\n");
    ansi.writeText(section, QStringLiteral("new"), QStringLiteral("\u00FC\u03A9\u20AC"));
    EXPECT_EQ(hex(ansi.toBytes()), hex("[S]\r\nk=\xE4\r\nnew=\xFC?\x80\r\n"));
    IniDocument marked = IniDocument::fromBytes("\xEF\xBB\xBF[S]\nk=1");
    marked.writeText(section, QStringLiteral("new"), QStringLiteral("\u03A9"));
    EXPECT_EQ(hex(marked.toBytes()), hex("\xEF\xBB\xBF[S]\nk=1\nnew=\xCE\xA9\n"));
    IniDocument wide = IniDocument::fromBytes(utf16);
    wide.writeText(QStringLiteral("T"), QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(hex(wide.toBytes()), hex(utf16 + raw("\r\0\n\0[\0T\0]\0\r\0\n\0a\0=\0b\0\r\0\n\0")));
}

TEST(IniDocument, DamagedBytesGiveWhatCanBeRecognised)
{
    // NUL bytes are characters like any other.
    const IniDocument withNul = IniDocument::fromBytes(raw("[S]\nk=a\0b\n\0=1\n"));
    EXPECT_EQ(withNul.encoding(), IniEncoding::Utf8);
    EXPECT_EQ(withNul.readText(section, QStringLiteral("k"), QString()), QString::fromUtf16(u"a\0b", 3));
    EXPECT_EQ(withNul.toBytes(), raw("[S]\nk=a\0b\n\0=1\n"));

    // An odd last byte of UTF-16 is no character; a lone surrogate stays what it was.
    const IniDocument odd = IniDocument::fromBytes(raw("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x00\xD8\n"));
    EXPECT_EQ(odd.encoding(), IniEncoding::Utf16LittleEndian);
    EXPECT_EQ(odd.readText(section, QStringLiteral("k"), QString()), QString(QChar(0xD800)));
    EXPECT_EQ(hex(odd.toBytes()), hex(raw("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x00\xD8")));
    EXPECT_EQ(IniDocument::fromBytes("\xFF\xFE\x41").toBytes(), QByteArray("\xFF\xFE"));

    // Bytes that are no UTF-8 (a cut sequence, an encoded surrogate) are Windows-1252.
    for (const QByteArray &bytes : {QByteArray("[S]\nk=\xC3"), QByteArray("[S]\nk=\xED\xA0\x80")}) {
        const IniDocument document = IniDocument::fromBytes(bytes);
        EXPECT_EQ(document.encoding(), IniEncoding::Windows1252) << hex(bytes);
        EXPECT_EQ(document.toBytes(), bytes);
    }
    EXPECT_EQ(IniDocument::fromBytes("[S]\nk=\xC3").readText(section, QStringLiteral("k"), QString()),
              QStringLiteral("\u00C3"));

    // Headers without their bracket, a megabyte line and junk lines around good ones.
    QByteArray junk = "[S\n[]\n=\n[S]\n";
    junk += QByteArray(1 << 20, 'v').prepend("long=") + '\n';
    for (int byte = 0; byte < 256; ++byte)
        junk += char(byte);
    junk += "\n[T] trailing\nk=still read\n";
    const IniDocument damaged = IniDocument::fromBytes(junk);
    EXPECT_EQ(damaged.encoding(), IniEncoding::Windows1252);
    EXPECT_EQ(damaged.readText(section, QStringLiteral("long"), QString()).size(), 1 << 20);
    EXPECT_EQ(damaged.readText(QStringLiteral("T"), QStringLiteral("k"), QString()),
              QStringLiteral("still read"));
    EXPECT_EQ(damaged.sections(), QStringList({QString(), section, QStringLiteral("T")}));
    // Only the five bytes the code page leaves empty do not come back.
    QByteArray expected = junk;
    for (const char empty : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
        expected.replace(empty, '?');
    EXPECT_EQ(damaged.toBytes(), expected);

    // Many keys are read and written key by key in no time worth mentioning.
    QByteArray many = "[S]\n";
    for (int index = 0; index < 100000; ++index)
        many += "key" + QByteArray::number(index) + '=' + QByteArray::number(index) + '\n';
    IniDocument big = IniDocument::fromBytes(many);
    for (int index = 0; index < 100000; index += 7)
        big.writeNumber(section, QStringLiteral("key%1").arg(index),
                        big.readNumber(section, QStringLiteral("key%1").arg(index), -1) + 1);
    for (int index = 0; index < 1000; ++index)
        big.writeNumber(section, QStringLiteral("added%1").arg(index), index);
    EXPECT_EQ(big.readNumber(section, QStringLiteral("key99995"), -1), 99996);
    EXPECT_EQ(big.readNumber(section, QStringLiteral("key99999"), -1), 99999);
    EXPECT_EQ(big.keys(section).size(), 101000);
}
