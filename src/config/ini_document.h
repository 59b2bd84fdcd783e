#pragma once
// A configuration file held whole in memory: read once from its bytes, changed key by key, and
// written back whole. Every line the program does not write (comments, unknown sections and
// keys, blank lines) comes back as it was, and the file keeps the encoding it was found in.
//
// Reading is a pure function of the bytes and never fails: binary junk, NUL bytes, endless
// lines and truncated UTF-16 give whatever entries can be recognised.
//
// Names of sections and keys match without regard to letter case, and blanks around them
// are ignored. A value is read without the blanks around it and without one pair of quotes
// (both ' or both ") enclosing it whole; a value with a blank at either end is written in
// double quotes, so that it reads back exactly. A written value keeps its length: nothing is cut.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

enum class IniEncoding {
    Utf16LittleEndian, // with the byte-order mark FF FE: the encoding of every new file
    Utf8WithMark,      // with EF BB BF
    Utf8,              // no mark, and the bytes are valid UTF-8
    Windows1252,       // no mark and not UTF-8: an 8-bit file; characters it lacks become "?"
};

class IniDocument {
public:
    // An empty document that is written as UTF-16 LE with byte-order mark and CR LF.
    IniDocument() = default;
    static IniDocument fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    IniEncoding encoding() const { return m_encoding; }

    // The stored value, or `fallback` when the section or key is missing.
    QString readText(QStringView section, QStringView key, const QString &fallback) const;
    // Signed decimal, "$" or "0x"/"0X" and hexadecimal (a 32-bit pattern); anything else,
    // an empty value included, gives `fallback`.
    qint32 readNumber(QStringView section, QStringView key, qint32 fallback) const;
    // A number other than 0 is true; a value that is no number gives `fallback`.
    bool readFlag(QStringView section, QStringView key, bool fallback) const;
    bool contains(QStringView section, QStringView key) const;

    // Replaces the value of an existing key in place; a new key goes to the end of its
    // section, a new section to the end of the document. Line breaks in a value become blanks,
    // since a value is one line. A key without a name writes nothing.
    void writeText(const QString &section, const QString &key, const QString &value);
    void writeNumber(const QString &section, const QString &key, qint32 value);
    void writeFlag(const QString &section, const QString &key, bool value);

    // Names as the file spells them, in file order.
    QStringList sections() const;
    QStringList keys(const QString &section) const;
    // "key=value" per key of the section, each value read as readText reads it.
    QStringList keyValues(const QString &section) const;
    void removeSection(const QString &section);
    void removeKey(const QString &section, const QString &key);

private:
    enum class LineEnd : quint8 { None, Lf, CrLf };
    // A line as read, without its line end, or an entry as written: then `text` is what stands
    // before the "=" and `value` what follows it, joined only when the document becomes bytes.
    // Lines as read share the document's decoded text instead of each holding a copy.
    struct Line {
        QString text;
        QString key; // folded key name of an entry line; empty for any other line
        QString value;
        LineEnd end = LineEnd::None;
        bool written = false;
    };
    struct Section {
        QString name; // as the header spells it
        QString key;  // the name folded, for matching
        Line header;
        QVector<Line> body;                // the lines up to the next header
        QHash<QString, qsizetype> entries; // key -> body index of its first line
        qsizetype lastEntry = -1;          // body index of the last entry line
    };
    static QStringView spelledKey(const Line &line);
    static QStringView valueOf(const Line &line);
    static bool isBlank(const Line &line);
    // The part as a string that shares the decoded text when it lies in it.
    QString kept(QStringView part) const;
    static void indexEntries(Section &section);
    void indexSections();
    const Section *findSection(QStringView section) const;
    Section *findSection(QStringView section);
    const Line *findEntry(QStringView section, QStringView key) const;
    void endLastLine();
    LineEnd newLineEnd() const { return m_crLf ? LineEnd::CrLf : LineEnd::Lf; }

    QString m_source;         // the decoded bytes, shared by the lines as read
    QVector<Line> m_preamble; // lines before the first section header
    QVector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> index of its first section
    IniEncoding m_encoding = IniEncoding::Utf16LittleEndian;
    bool m_crLf = true; // added lines end as the first line of the file does
};
