#include "collect/checksums.h"
#include "collect/crc32_bzip2.h"
#include "collect/crc32_iso_hdlc.h"
#include "collect/file_rows.h"
#include "collect/system_path.h"
#include "common/settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Bit by bit, straight from the definition: the yardstick for the table-driven CRC.
std::uint32_t bitwiseCrc(const QByteArray &data)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    for (const char byte : data) {
        reg ^= std::uint32_t(static_cast<unsigned char>(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 0x80000000u) ? (reg << 1) ^ 0x04C11DB7u : reg << 1;
    }
    return ~reg;
}

std::uint32_t bitwiseReflectedCrc(const QByteArray &data)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    for (const char byte : data) {
        reg ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1u) ? (reg >> 1) ^ 0xEDB88320u : reg >> 1;
    }
    return ~reg;
}

QByteArray randomBytes(qsizetype length, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(length, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QString cellTexts(const FileEntry &entry)
{
    QStringList texts;
    for (int cell = CellMd5; cell <= CellSha512; ++cell)
        texts.append(entry.cells[cell]);
    return texts.join(u'|');
}

std::optional<QString> fileChecksum(ChecksumKind kind, const QString &path)
{
    ChecksumKinds wanted;
    wanted.set(int(kind));
    return fileChecksums(path, wanted)[int(kind)];
}

QString repeated(const char *text)
{
    return QStringList(5, QString::fromUtf8(text)).join(u'|');
}

class ChecksumFiles : public ::testing::Test {
protected:
    QString write(const char *name, const QByteArray &content)
    {
        const QString path = m_folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(content), content.size());
        return path;
    }

    // The cells of a file added with the given limit text and the column switched on.
    FileEntry added(const QString &path, qint64 sizeBytes, const char *limit,
                    Language language = Language::German)
    {
        m_settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum"), true);
        m_settings.setValue(SettingsWindow::PB, QStringLiteral("act_checksum_max"), QString::fromUtf8(limit));
        return filled(path, sizeBytes, language);
    }

    // The cells of a file added with the settings as they are; as in adding, only a regular
    // file is read.
    FileEntry filled(const QString &path, qint64 sizeBytes, Language language)
    {
        FileEntry entry;
        const FileDescriptor file(
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        struct stat facts {};
        const bool regular = ::fstat(file.get(), &facts) == 0 && S_ISREG(facts.st_mode);
        fillChecksumCells(entry, regular ? file.get() : -1, sizeBytes, checksumPlan(m_settings, language));
        return entry;
    }

    void enableAllKinds()
    {
        for (const char *name : {"act_checksum_md5", "act_checksum_crc", "act_checksum_sha1",
                                 "act_checksum_sha256", "act_checksum_sha512"})
            m_settings.setOn(SettingsWindow::PB, QString::fromUtf8(name), true);
    }

    QTemporaryDir m_folder;
    Settings m_settings;
};

const QString abcDigests = QStringLiteral(
    "900150983CD24FB0D6963F7D28E17F72|73BB8C64|A9993E364706816ABA3E25717850C26C9CD0D89D|"
    "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD|"
    "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A2192992A274FC1A836BA3C23A3FEEBBD"
    "454D4423643CE80E2A9AC94FA54CA49F");

} // namespace

TEST(Crc32Bzip2, MatchesBitwiseDefinitionForEveryLengthAndAlignment)
{
    const QByteArray pool = randomBytes(5000, 7);
    for (int offset = 0; offset < 17; ++offset)
        for (const int length :
             {0, 1, 3, 7, 8, 9, 15, 16, 17, 31, 64, 127, 128, 129, 143, 144, 191, 192, 255, 1000, 4099}) {
            const QByteArray slice = pool.mid(offset, length);
            Crc32Bzip2 whole;
            whole.update(reinterpret_cast<const unsigned char *>(slice.constData()),
                         std::size_t(slice.size()));
            EXPECT_EQ(whole.value(), bitwiseCrc(slice)) << "offset " << offset << " length " << length;

            // Fed in two uneven pieces, the register carries over.
            Crc32Bzip2 pieces;
            const auto *data = reinterpret_cast<const unsigned char *>(slice.constData());
            const std::size_t split = std::size_t(length) / 3;
            pieces.update(data, split);
            pieces.update(data + split, std::size_t(length) - split);
            EXPECT_EQ(pieces.value(), whole.value());
        }
    EXPECT_EQ(bitwiseCrc(QByteArrayLiteral("123456789")), 0xFC891918u);
}

TEST(Crc32IsoHdlc, MatchesBitwiseDefinitionForEveryLengthAndAlignment)
{
    const QByteArray pool = randomBytes(2000, 9);
    for (int offset = 0; offset < 9; ++offset)
        for (const int length : {0, 1, 7, 8, 9, 16, 17, 1000}) {
            const QByteArray slice = pool.mid(offset, length);
            Crc32IsoHdlc crc;
            const auto *data = reinterpret_cast<const unsigned char *>(slice.constData());
            const std::size_t split = std::size_t(length) / 3;
            crc.update(data, split);
            crc.update(data + split, std::size_t(length) - split);
            EXPECT_EQ(crc.value(), bitwiseReflectedCrc(slice)) << "offset " << offset << " length " << length;
        }
    EXPECT_EQ(bitwiseReflectedCrc(QByteArrayLiteral("123456789")), 0xCBF43926u);
}

TEST_F(ChecksumFiles, EveryKindOfAbcAndOfTheNineDigits)
{
    const QString abc = write("abc.txt", QByteArrayLiteral("abc"));
    const QStringList expected = abcDigests.toLower().split(u'|');
    for (int i = 0; i < ChecksumKindCount; ++i)
        EXPECT_EQ(fileChecksum(ChecksumKind(i), abc), expected[i]) << "kind " << i;
    const QString digits = write("digits.txt", QByteArrayLiteral("123456789"));
    EXPECT_EQ(fileChecksum(ChecksumKind::CRC32, digits), QStringLiteral("181989fc"));
    // The common CRC-32 is written as a number, as checksum files hold it.
    EXPECT_EQ(fileChecksum(ChecksumKind::CRC32IsoHdlc, digits), QStringLiteral("cbf43926"));

    // Asking for several kinds at once changes nothing, and unwanted kinds have no result.
    ChecksumKinds md5AndSha256;
    md5AndSha256.set(int(ChecksumKind::MD5)).set(int(ChecksumKind::SHA256));
    const ChecksumResults results = fileChecksums(abc, md5AndSha256);
    EXPECT_EQ(results[int(ChecksumKind::MD5)], expected[0]);
    EXPECT_EQ(results[int(ChecksumKind::SHA256)], expected[3]);
    EXPECT_FALSE(results[int(ChecksumKind::CRC32)] || results[int(ChecksumKind::SHA1)] ||
                 results[int(ChecksumKind::SHA512)]);
}

TEST_F(ChecksumFiles, FileOfManyBlocksIsDigestedWhole)
{
    // Not a multiple of any block size, so the last block is a short one.
    const QByteArray content = randomBytes(3 * 256 * 1024 + 4096 * 5 + 123, 11);
    const ChecksumResults results = fileChecksums(write("blocks.bin", content), ChecksumKinds().set());
    const auto hashOf = [&](QCryptographicHash::Algorithm algorithm) {
        return QString::fromLatin1(QCryptographicHash::hash(content, algorithm).toHex());
    };
    EXPECT_EQ(results[int(ChecksumKind::MD5)], hashOf(QCryptographicHash::Md5));
    EXPECT_EQ(results[int(ChecksumKind::SHA1)], hashOf(QCryptographicHash::Sha1));
    EXPECT_EQ(results[int(ChecksumKind::SHA256)], hashOf(QCryptographicHash::Sha256));
    EXPECT_EQ(results[int(ChecksumKind::SHA512)], hashOf(QCryptographicHash::Sha512));
    const std::uint32_t crc = bitwiseCrc(content);
    EXPECT_EQ(results[int(ChecksumKind::CRC32)], QStringLiteral("%1%2%3%4")
                                                     .arg(crc & 0xFF, 2, 16, QLatin1Char('0'))
                                                     .arg((crc >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                                                     .arg((crc >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
                                                     .arg(crc >> 24, 2, 16, QLatin1Char('0')));
}

TEST_F(ChecksumFiles, UnreadablePathsHaveNoResultAndEmptyCells)
{
    const QString missing = m_folder.filePath(QStringLiteral("missing.txt"));
    const QString folder = m_folder.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(folder));
    // A named pipe without a writer must not hang the reading.
    const QString pipe = m_folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    enableAllKinds();
    for (const QString &path : {missing, folder, pipe}) {
        for (int i = 0; i < ChecksumKindCount; ++i)
            EXPECT_FALSE(fileChecksum(ChecksumKind(i), path)) << path.toStdString();
        EXPECT_EQ(cellTexts(added(path, 0, "10000")), QStringLiteral("||||")) << path.toStdString();
    }
    // Adding opens the pipe without waiting and lists it with empty checksum cells.
    const RowRules rules{LocaleFormat::system(), ZoneBias::at(std::time(nullptr)), false, Language::German,
                         checksumPlan(m_settings, Language::German)};
    const MadeRow piped = FileRowMaker(rules).rowFromDisk(QFile::encodeName(pipe));
    ASSERT_TRUE(piped.row);
    EXPECT_EQ(cellTexts(*piped.row), QStringLiteral("||||"));
}

TEST_F(ChecksumFiles, CellsAreUpperCaseDigestsOrTheNotActivatedText)
{
    const QString abc = write("abc.txt", QByteArrayLiteral("abc"));
    // The column is off at start.
    EXPECT_EQ(cellTexts(filled(abc, 3, Language::German)), repeated("Option nicht aktiviert."));
    EXPECT_EQ(cellTexts(filled(abc, 3, Language::English)), repeated("Option not activated."));

    // At start only MD5 and CRC32 are enabled.
    const QString notActivated = QStringLiteral("Option nicht aktiviert.");
    const QStringList digests = abcDigests.split(u'|');
    EXPECT_EQ(cellTexts(added(abc, 3, "10000")),
              QStringList({digests[0], digests[1], notActivated, notActivated, notActivated}).join(u'|'));
    EXPECT_EQ(cellTexts(added(abc, 3, "10000", Language::English)).section(u'|', 2, 2),
              QStringLiteral("Option not activated."));
    enableAllKinds();
    EXPECT_EQ(cellTexts(added(abc, 3, "10000")), abcDigests);

    const QString digits = write("digits.txt", QByteArrayLiteral("123456789"));
    EXPECT_EQ(added(digits, 9, "10000").cells[CellCrc32], QStringLiteral("181989FC"));
    const QRegularExpression upperMd5(QStringLiteral("^[0-9A-F]{32}$"));
    const QString random = write("random.bin", randomBytes(777, 3));
    EXPECT_TRUE(upperMd5.match(added(random, 777, "10000").cells[CellMd5]).hasMatch());
}

TEST_F(ChecksumFiles, EmptyFileGetsTheDigestsOfEmptyInput)
{
    const QString empty = write("empty.txt", QByteArray());
    const QString notActivated = QStringLiteral("Option nicht aktiviert.");
    EXPECT_EQ(cellTexts(added(empty, 0, "10000")),
              QStringList({QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"), QStringLiteral("00000000"),
                           notActivated, notActivated, notActivated})
                  .join(u'|'));
    EXPECT_EQ(fileChecksum(ChecksumKind::SHA256, empty),
              QStringLiteral("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
}

TEST_F(ChecksumFiles, LimitOfZeroOrLessMakesEveryFileTooLarge)
{
    const QString empty = write("empty.txt", QByteArray());
    for (const char *limit : {"0", "-0", "-1", "-2147483648"})
        EXPECT_EQ(cellTexts(added(empty, 0, limit)), repeated("Datei zu groß")) << limit;
    EXPECT_EQ(cellTexts(added(empty, 0, "0", Language::English)), repeated("File too large"));
}

TEST_F(ChecksumFiles, LimitIsInThousandsOfBytesAndFilesMustBeSmaller)
{
    const QString small = write("999.bin", QByteArray(999, 'x'));
    const QString exact = write("1000.bin", QByteArray(1000, 'x'));
    EXPECT_EQ(added(small, 999, "1").cells[CellMd5].size(), 32);
    EXPECT_EQ(cellTexts(added(exact, 1000, "1")), repeated("Datei zu groß"));

    // The size given by the caller decides, so the limit can be probed without big files: the
    // file is read below the limit (and found shorter than said), not at all from it on.
    const QString abc = write("abc.txt", QByteArrayLiteral("abc"));
    const auto readAtSize = [&](qint64 size, const char *limit) {
        return added(abc, size, limit).cells[CellCrc32] != u"Datei zu groß";
    };
    EXPECT_TRUE(readAtSize(19999999, "+20000"));
    EXPECT_FALSE(readAtSize(20000000, "+20000"));
    EXPECT_TRUE(readAtSize(2147483646999LL, "2147483647")); // the product needs 64 bits
    EXPECT_FALSE(readAtSize(2147483647000LL, "2147483647"));
    // Anything but a whole 32-bit number means 10000.
    for (const char *limit :
         {"", "abc", "10 000", "1.5", " 5", "5 ", "+", "0x10", "2147483648", "-2147483649"}) {
        EXPECT_TRUE(readAtSize(9999999, limit)) << '"' << limit << '"';
        EXPECT_FALSE(readAtSize(10000000, limit)) << '"' << limit << '"';
    }
}

TEST_F(ChecksumFiles, FileLargerThanFourGiBIsDigestedWhole)
{
    // Sparse: four GiB of zeros cost no disk space, then three bytes past the 32-bit boundary.
    // On tmpfs the holes read as the shared zero page; a disk file system zero-fills the page
    // cache first, which takes many seconds here.
    QTemporaryDir memoryFolder(QStringLiteral("/dev/shm/tabulix-test-XXXXXX"));
    const QString path = (memoryFolder.isValid() ? memoryFolder.path() : m_folder.path()) + u"/huge.bin";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 zeros = qint64(1) << 32;
    if (!file.resize(zeros))
        GTEST_SKIP() << "no sparse files here";
    ASSERT_TRUE(file.seek(zeros));
    ASSERT_EQ(file.write("abc", 3), 3);
    file.close();

    // SHA-1 alone: the library's code is fast in every build of ours, the table CRC is not.
    m_settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum_md5"), false);
    m_settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum_crc"), false);
    m_settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum_sha1"), true);
    const FileEntry entry = added(path, zeros + 3, "5000000");
    EXPECT_EQ(entry.cells[CellSha1], QStringLiteral("EEE321E1DE4BE0EC5D7943620E0B079B7537C6FD"));
}
