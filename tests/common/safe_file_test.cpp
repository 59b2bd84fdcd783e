#include "common/safe_file.h"
#include "common/tabulix_error.h"
#include "file_write_test_support.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QString failure = QStringLiteral("Cannot write.");

// The error text a write raises; empty when it raises none.
QString errorOf(const QString &path, const QByteArray &bytes)
{
    try {
        writeFileSafely(path, bytes, failure);
    } catch (const TabulixError &error) {
        return error.message();
    }
    return {};
}

QString failedWith(int error)
{
    return failure + u' ' + systemReason(error);
}

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

} // namespace

TEST(writeFileSafely, ReplacesRegularFilesKeepingTheirModeAndOwner)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tabelle.txt"));
    const mode_t umaskNow = ::umask(022);
    EXPECT_EQ(errorOf(path, "neu"), QString());
    ::umask(umaskNow);
    EXPECT_EQ(contentOf(path), "neu");
    EXPECT_EQ(statusOf(path).st_mode & 07777, 0644u); // a new file as the umask has it

    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    EXPECT_EQ(errorOf(path, QByteArray()), QString());
    EXPECT_EQ(contentOf(path), QByteArray());
    EXPECT_EQ(statusOf(path).st_mode & 07777, 0640u);

    // A file its owner made read-only: only root may still write it, and it stays as it was.
    const QString locked = dir.filePath(QStringLiteral("gesperrt.txt"));
    ASSERT_EQ(errorOf(locked, "alt"), QString());
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(locked).constData(), 65534, 65534), 0);
        EXPECT_EQ(errorOf(locked, "neu"), QString());
        EXPECT_EQ(contentOf(locked), "neu");
        const struct stat after = statusOf(locked);
        EXPECT_EQ(after.st_mode & 07777, 0444u);
        EXPECT_EQ(after.st_uid, 65534u);
        EXPECT_EQ(after.st_gid, 65534u);
    } else {
        EXPECT_EQ(errorOf(locked, "neu"), failedWith(EACCES));
        EXPECT_EQ(contentOf(locked), "alt");
    }
    EXPECT_EQ(namesIn(dir.path()),
              QStringList({QStringLiteral("Tabelle.txt"), QStringLiteral("gesperrt.txt")}));
}

TEST(writeFileSafely, LinksKeepBeingLinks)
{
    const QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ziel")));
    const QString real = dir.filePath(QStringLiteral("ziel/echt.txt"));
    ASSERT_EQ(errorOf(real, "alt"), QString());
    // A relative link to a link: each is read from its own folder.
    const QString inner = dir.filePath(QStringLiteral("ziel/innen"));
    const QString outer = dir.filePath(QStringLiteral("aussen"));
    ASSERT_EQ(::symlink("echt.txt", QFile::encodeName(inner).constData()), 0);
    ASSERT_EQ(::symlink("ziel/innen", QFile::encodeName(outer).constData()), 0);
    EXPECT_EQ(errorOf(outer, "neu"), QString());
    EXPECT_EQ(contentOf(real), "neu");
    EXPECT_TRUE(QFileInfo(outer).isSymLink());
    EXPECT_TRUE(QFileInfo(inner).isSymLink());
    EXPECT_TRUE(QFileInfo(real).isFile() && !QFileInfo(real).isSymLink());

    // A link to a file not there yet creates the file.
    const QString dangling = dir.filePath(QStringLiteral("offen"));
    ASSERT_EQ(::symlink("ziel/neu.txt", QFile::encodeName(dangling).constData()), 0);
    EXPECT_EQ(errorOf(dangling, "erst"), QString());
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("ziel/neu.txt"))), "erst");
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());

    // Two names of one file both show the new bytes.
    const QString second = dir.filePath(QStringLiteral("zweiter.txt"));
    ASSERT_EQ(::link(QFile::encodeName(real).constData(), QFile::encodeName(second).constData()), 0);
    EXPECT_EQ(errorOf(second, "beide, kuerzer"), QString());
    EXPECT_EQ(errorOf(second, "beide"), QString());
    EXPECT_EQ(contentOf(real), "beide");
    EXPECT_EQ(statusOf(real).st_nlink, 2u);

    const QString loop = dir.filePath(QStringLiteral("schleife"));
    ASSERT_EQ(::symlink("schleife", QFile::encodeName(loop).constData()), 0);
    EXPECT_EQ(errorOf(loop, "x"), failedWith(ELOOP));

    EXPECT_EQ(namesIn(dir.path()),
              QStringList({QStringLiteral("aussen"), QStringLiteral("offen"), QStringLiteral("schleife"),
                           QStringLiteral("ziel"), QStringLiteral("zweiter.txt")}));
    EXPECT_EQ(namesIn(dir.filePath(QStringLiteral("ziel"))),
              QStringList({QStringLiteral("echt.txt"), QStringLiteral("innen"), QStringLiteral("neu.txt")}));
}

TEST(writeFileSafely, DevicesAndFifosAreWrittenThrough)
{
    EXPECT_EQ(errorOf(QStringLiteral("/dev/null"), "weg"), QString());
    EXPECT_TRUE(S_ISCHR(statusOf(QStringLiteral("/dev/null")).st_mode));
    EXPECT_EQ(errorOf(QStringLiteral("/dev/full"), "voll"), failedWith(ENOSPC));
    EXPECT_TRUE(S_ISCHR(statusOf(QStringLiteral("/dev/full")).st_mode));

    const QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("rohr"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray received;
    std::thread reader([&] { received = contentOf(fifo); });
    const QByteArray bytes(200000, 'r'); // more than the pipe holds at once
    EXPECT_EQ(errorOf(fifo, bytes), QString());
    reader.join();
    EXPECT_EQ(received, bytes);
    EXPECT_TRUE(S_ISFIFO(statusOf(fifo).st_mode));

    EXPECT_EQ(errorOf(dir.path(), "x"), failedWith(EISDIR));
    EXPECT_EQ(errorOf(dir.filePath(QStringLiteral("fehlt/x.txt")), "x"), failedWith(ENOENT));
    EXPECT_EQ(namesIn(dir.path()), QStringList(QStringLiteral("rohr")));
}

TEST(writeFileSafely, AFullDiskLeavesTheOldFileAsItWas)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tabelle.txt"));
    const QByteArray old(3000, 'a');
    ASSERT_EQ(errorOf(path, old), QString());
    const QByteArray longer(5000, 'b');
    EXPECT_EQ(errorUnderFileSizeLimit(4096, [&] { writeFileSafely(path, longer, failure); }),
              failedWith(EFBIG));
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(namesIn(dir.path()), QStringList(QStringLiteral("Tabelle.txt")));

    // Written in place for its second name, the file still keeps its bytes: the space is claimed
    // before any is overwritten.
    const QString second = dir.filePath(QStringLiteral("zweiter.txt"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()), 0);
    EXPECT_EQ(errorUnderFileSizeLimit(4096, [&] { writeFileSafely(second, longer, failure); }),
              failedWith(EFBIG));
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(namesIn(dir.path()),
              QStringList({QStringLiteral("Tabelle.txt"), QStringLiteral("zweiter.txt")}));
}
