#include "verify/checksum_lines.h"
#include "verify/hashdeep_lines.h"
#include "verify/manifest_lines.h"
#include "verify/read_manifest.h"
#include "verify/sfv_lines.h"
#include "verify/table_manifest.h"

#include <gtest/gtest.h>

namespace {

const QByteArray md5 = QByteArray(32, 'a');
const QByteArray sha1 = QByteArray(40, 'b');
const QByteArray sha256 = QByteArray(64, 'c');
const QByteArray sha512 = QByteArray(128, 'd');

// Each entry as "line:name:kind:hex[:size]".
QStringList described(const Manifest &manifest)
{
    QStringList lines;
    for (const ManifestEntry &entry : manifest.entries) {
        QStringList digests;
        for (const ExpectedDigest &digest : entry.digests)
            digests.append(QString::number(int(digest.kind)) + u'=' + QString::fromLatin1(digest.hex));
        lines.append(QString::number(entry.line) + u':' + QString::fromUtf8(entry.name) + u':' +
                     digests.join(u',') + (entry.size ? u':' + QString::number(*entry.size) : QString()));
    }
    return lines;
}

QString entry(qsizetype line, const char *name, ChecksumKind kind, const QByteArray &hex)
{
    return QString::number(line) + u':' + QString::fromUtf8(name) + u':' + QString::number(int(kind)) + u'=' +
           QString::fromLatin1(hex);
}

} // namespace

TEST(ChecksumLines, PlainLinesTagsCommentsAndEscapes)
{
    const QByteArray bytes = md5.toUpper() + "  plain name\n" +         // 1: upper case digits
                             sha1 + " *binary\r\n" +                    // 2: binary marker, CR LF
                             "# a comment\n\n" +                        // 3, 4: skipped
                             "\\" + sha256 + "  new\\nline\\\\back\n" + // 5: escaped
                             "\\" + sha256 + "  bad\\escape\n" +        // 6: bad escape
                             QByteArray(56, 'e') + "  sha224\n" +        // 7: a length we cannot check
                             "SHA512 (a (b) c) = " + sha512 + "\n" +    // 8: the name ends at the last ")"
                             "  MD5(tight)=" + md5 + "\n" +             // 9: blanks optional
                             "CRC32 (sfv) = cbf43926\n" +               // 10: the common CRC-32
                             "SHA256 (trailing) = " + sha256 + " \n" +  // 11: nothing after the digest
                             md5 + " reversed";                         // 12: not in a file of plain lines
    const Manifest manifest = readChecksumLines(bytes);
    EXPECT_EQ(manifest.format, ManifestFormat::GnuLines);
    EXPECT_EQ(described(manifest),
              QStringList({entry(1, "plain name", ChecksumKind::MD5, md5), entry(2, "binary", ChecksumKind::SHA1, sha1),
                           entry(5, "new\nline\\back", ChecksumKind::SHA256, sha256),
                           entry(8, "a (b) c", ChecksumKind::SHA512, sha512),
                           entry(9, "tight", ChecksumKind::MD5, md5),
                           entry(10, "sfv", ChecksumKind::CRC32IsoHdlc, "cbf43926")}));
    EXPECT_EQ(manifest.badLines, QList<qsizetype>({6, 7, 11, 12}));

    // A file of one-blank lines reads them all, and a tag first makes it a file of tags.
    EXPECT_EQ(readChecksumLines(QByteArray(md5 + " one\n" + md5 + " two\n")).entries.size(), 2);
    EXPECT_EQ(readChecksumLines(QByteArray("MD5 (x) = " + md5 + "\n")).format, ManifestFormat::BsdTags);
}

TEST(SfvLines, NamesReadFromTheRight)
{
    const Manifest manifest = readSfvLines("; made by a peer\n"
                                           "name with spaces.bin CBF43926\n"
                                           "tab\tname\t00000000\n"
                                           "nocrc\n"
                                           "  \n"
                                           "short 1234567\n");
    EXPECT_EQ(described(manifest), QStringList({entry(2, "name with spaces.bin", ChecksumKind::CRC32IsoHdlc, "cbf43926"),
                                                entry(3, "tab\tname", ChecksumKind::CRC32IsoHdlc, "00000000")}));
    EXPECT_EQ(manifest.badLines, QList<qsizetype>({4, 6}));
}

TEST(HashdeepLines, ColumnsFromTheHeader)
{
    const Manifest manifest = readHashdeepLines(QByteArray("%%%% HASHDEEP-1.0\n"
                                                "%%%% size,md5,tiger,sha256,filename\n"
                                                "## Invoked from: /tmp\n"
                                                "##\n"
                                                "5," + md5 + ",ffff," + sha256 + ",./a, b\n" +
                                                "x," + md5 + ",ffff," + sha256 + ",./bad size\n" +
                                                "5," + md5 + ",ffff\n"));
    ASSERT_EQ(manifest.entries.size(), 1);
    EXPECT_EQ(manifest.entries[0].name, "./a, b");
    EXPECT_EQ(manifest.entries[0].size, 5);
    EXPECT_EQ(described(manifest).first(), QStringLiteral("5:./a, b:0=") + QString::fromLatin1(md5) +
                                               QStringLiteral(",3=") + QString::fromLatin1(sha256) +
                                               QStringLiteral(":5"));
    EXPECT_EQ(manifest.badLines, QList<qsizetype>({6, 7}));
    // Without a header no line can be read.
    EXPECT_EQ(readHashdeepLines(QByteArray("%%%% HASHDEEP-1.0\n5," + md5 + ",a\n")).badLines, QList<qsizetype>({2}));
}

TEST(ReadManifest, FormatFollowsTheContent)
{
    EXPECT_EQ(readManifest(QByteArray(sha256 + "  a\n")).format, ManifestFormat::GnuLines);
    EXPECT_EQ(readManifest(QByteArray("SHA1 (a) = " + sha1 + "\n")).format, ManifestFormat::BsdTags);
    EXPECT_EQ(readManifest("; sfv\na b 0123abcd\n").format, ManifestFormat::Sfv);
    EXPECT_EQ(readManifest(QByteArray("%%%% HASHDEEP-1.0\n%%%% md5,filename\n" + md5 + ",a\n")).format,
              ManifestFormat::Hashdeep);
    // A line past the limit is a bad line, however long.
    const Manifest huge = readManifest(QByteArray(sha256 + "  " + QByteArray(MaxLineBytes, 'x') + "\n" + sha256 + "  b\n"));
    EXPECT_EQ(huge.badLines, QList<qsizetype>({1}));
    EXPECT_EQ(huge.entries.size(), 1);
}

TEST(TableManifest, CsvTablesInAnyEncodingWithTheirOwnCrc)
{
    const QString table = QStringLiteral("Liste\r\n"
                                         "Name;Dateipfad;MD5;CRC32\r\n"
                                         "a;/data/a;%1;181989FC\r\n"
                                         "\"b;c\";\"/data/b;c\";Datei zu groß;Datei zu groß\r\n"
                                         "d;/data/d;;\r\n"
                                         ";;;\r\n")
                              .arg(QString::fromLatin1(md5));
    const QByteArray utf16(reinterpret_cast<const char *>(table.utf16()), table.size() * 2);
    for (const QByteArray &bytes : {table.toUtf8(), QByteArray("\xFF\xFE" + utf16)}) {
        const std::optional<Manifest> manifest = readTableManifest(bytes);
        ASSERT_TRUE(manifest);
        EXPECT_EQ(manifest->format, ManifestFormat::CsvTable);
        EXPECT_EQ(described(*manifest), QStringList{QStringLiteral("3:/data/a:0=") + QString::fromLatin1(md5) +
                                                    QStringLiteral(",1=181989fc")});
        EXPECT_EQ(manifest->rowsWithoutDigest, 2);
    }
    EXPECT_FALSE(readTableManifest("Name;File Path\r\na;/a\r\n")); // no checksum column
    EXPECT_FALSE(readTableManifest(QByteArray("File Path;SHA1\r\n..ta/a;" + sha1 + "\r\n"))->unusable.isEmpty());
    EXPECT_EQ(readManifest(QByteArray("File Path;SHA1\r\n/a;" + sha1 + "\r\n")).format, ManifestFormat::CsvTable);
}
