#include "common/safe_file.h"
#include "common/tabulix_error.h"
#include "config/ini_file.h"
#include "file_write_test_support.h"

#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString readFailure(const QString &path)
{
    try {
        readIniFile(path);
    } catch (const TabulixError &error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

QString writeFailure(const QString &path, const IniDocument &document)
{
    try {
        writeIniFile(path, document);
    } catch (const TabulixError &error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

IniDocument documentWith(const QString &value)
{
    IniDocument document;
    document.writeText(QStringLiteral("S"), QStringLiteral("k"), value);
    return document;
}

} // namespace

TEST(IniFile, MissingFilesReadEmptyAndWritesCreateTheirFolders)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu/tief/Konfig.tbx"));
    const IniDocument missing = readIniFile(path);
    EXPECT_TRUE(missing.sections().isEmpty());
    EXPECT_EQ(missing.encoding(), IniEncoding::Utf16LittleEndian);

    const IniDocument document = documentWith(QStringLiteral("Wert "));
    writeIniFile(path, document);
    EXPECT_EQ(contentOf(path), document.toBytes());
    EXPECT_EQ(readIniFile(path).readText(QStringLiteral("S"), QStringLiteral("k"), QString()),
              QStringLiteral("Wert "));
    EXPECT_EQ(namesIn(dir.filePath(QStringLiteral("neu/tief"))), QStringList({QStringLiteral("Konfig.tbx")}));

    // A file in place of a folder makes the write fail, naming the new file.
    const QString blocked = dir.filePath(QStringLiteral("neu/tief/Konfig.tbx/x.tbx"));
    EXPECT_EQ(readIniFile(blocked).sections(), QStringList());
    EXPECT_EQ(writeFailure(blocked, document),
              u"Cannot create file \"" + blocked + u"\". " + systemReason(ENOTDIR));
}

TEST(IniFile, UnreadableFilesThrowWithTheReason)
{
    const QTemporaryDir dir;
    EXPECT_EQ(readFailure(dir.path()), u"Cannot read file \"" + dir.path() + u"\". " + systemReason(EISDIR));

    const QString locked = dir.filePath(QStringLiteral("gesperrt.tbx"));
    writeIniFile(locked, documentWith(QStringLiteral("1")));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    if (::geteuid() != 0)
        EXPECT_EQ(readFailure(locked), u"Cannot read file \"" + locked + u"\". " + systemReason(EACCES));
    else
        EXPECT_EQ(readFailure(locked), QStringLiteral("<no error>"));

    // A FIFO named by mistake is refused at once instead of waiting for a writer.
    const QString fifo = dir.filePath(QStringLiteral("fifo.tbx"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(readFailure(fifo), u"Cannot read file \"" + fifo + u"\". Not a regular file");

    // A caller that needs the file learns why it is missing, as the reason alone.
    const QString missing = dir.filePath(QStringLiteral("fehlt.tbx"));
    try {
        readIniFile(missing, MissingIniFile::IsUnreadable);
        ADD_FAILURE() << "a missing file read";
    } catch (const UnreadableIniFile &error) {
        EXPECT_EQ(error.reason(), systemReason(ENOENT));
    }
    EXPECT_TRUE(readIniFile(missing).sections().isEmpty());
}

TEST(IniFile, FailedWritesLeaveTheOldFileByteForByte)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Konfig.tbx"));
    const QByteArray old = "[S]\r\nk=alt\r\n";
    writeFileSafely(path, old, QString());
    const IniDocument large = documentWith(QString(5000, u'x'));

    EXPECT_EQ(errorUnderFileSizeLimit(1000, [&] { writeIniFile(path, large); }),
              u"Unable to write to " + path + u' ' + systemReason(EFBIG));
    EXPECT_EQ(contentOf(path), old);
    const QString fresh = dir.filePath(QStringLiteral("neu.tbx"));
    EXPECT_EQ(errorUnderFileSizeLimit(1000, [&] { writeIniFile(fresh, large); }),
              u"Cannot create file \"" + fresh + u"\". " + systemReason(EFBIG));
    EXPECT_EQ(namesIn(dir.path()), QStringList({path.section(u'/', -1)}));

    // A read-only file in a read-only folder: only root gets past them.
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
        EXPECT_EQ(writeFailure(path, large), u"Unable to write to " + path + u' ' + systemReason(EACCES));
        EXPECT_EQ(writeFailure(fresh, large),
                  u"Cannot create file \"" + fresh + u"\". " + systemReason(EACCES));
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        EXPECT_EQ(contentOf(path), old);
    }
}
