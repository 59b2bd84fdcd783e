// tabulix-cli -o onto what a user may have at the output's name: a full disk, a FIFO, links,
// files and folders that are read-only.
#include "cli_table_folder.h"
#include "cli_test_support.h"
#include "file_write_test_support.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// What `-o` writes for tableOptions and the folder "liste".
QByteArray savedTable()
{
    return "\xEF\xBB\xBF" + expected("liste.txt").replace("\n", "\r\n");
}

CliRun saveTable(const GeneratedFolder &folder, const QString &path, const QStringList &launcher = {},
                 const QStringList &extra = {})
{
    const QStringList arguments =
        tableOptions + extra + QStringList{QStringLiteral("-o"), path, QStringLiteral("liste")};
    QProcess cli;
    prepareCli(cli, folder.root.path());
    if (launcher.isEmpty())
        return finishCli(cli, arguments);
    return finishCli(cli, launcher.mid(1) + QStringList{QStringLiteral(TABULIX_CLI_PATH)} + arguments,
                     launcher.first());
}

// Qt's own warnings may come first.
bool endsWithError(const CliRun &run, const QString &error)
{
    return run.err.endsWith(QByteArray("tabulix-cli: " + error.toUtf8() + "\n"));
}

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

void setOwnerAndMode(const QString &path, uid_t owner, mode_t mode)
{
    const QByteArray name = QFile::encodeName(path);
    ASSERT_EQ(::chown(name.constData(), owner, owner), 0) << name.constData();
    ASSERT_EQ(::chmod(name.constData(), mode), 0) << name.constData();
}

} // namespace

TEST(CliOutputFile, AFullDiskFailsAndKeepsTheOldFile)
{
    GeneratedFolder folder;
    const QStringList limited = {QStringLiteral("prlimit"), QStringLiteral("--fsize=100")};
    const QString table = makeFile(folder.root.filePath(QStringLiteral("liste.txt")), "alte Tabelle");
    CliRun run = saveTable(folder, table, limited);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        endsWithError(run, QStringLiteral("Cannot create file \"%1\". %2").arg(table, systemReason(EFBIG))))
        << run.err.constData();
    EXPECT_EQ(contentOf(table), "alte Tabelle");

    const QString picture = makeFile(folder.root.filePath(QStringLiteral("liste.bmp")), "altes Bild");
    run = saveTable(folder, picture, limited, {QStringLiteral("--format"), QStringLiteral("bmp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(endsWithError(
        run, QStringLiteral("Cannot create the picture \"%1\". %2").arg(picture, systemReason(EFBIG))))
        << run.err.constData();
    EXPECT_EQ(contentOf(picture), "altes Bild");
    EXPECT_EQ(namesIn(folder.root.path()), QStringList({QStringLiteral("liste"), QStringLiteral("liste.bmp"),
                                                        QStringLiteral("liste.txt")}));
}

TEST(CliOutputFile, FifosTakeTheStreamAndLinksStayLinks)
{
    GeneratedFolder folder;
    const QString fifo = folder.root.filePath(QStringLiteral("rohr"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray received;
    std::thread reader([&] { received = contentOf(fifo); });
    const CliRun streamed = saveTable(folder, fifo);
    // Should the program never open the FIFO, the reader still gets its end of file.
    const int unblock = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (unblock >= 0)
        ::close(unblock);
    reader.join();
    EXPECT_EQ(streamed.exitCode, 0) << streamed.err.constData();
    EXPECT_EQ(received, savedTable());
    EXPECT_TRUE(S_ISFIFO(statusOf(fifo).st_mode));

    const QString real = makeFile(folder.root.filePath(QStringLiteral("ziel/echt.txt")), "alt");
    const QString link = folder.root.filePath(QStringLiteral("verweis.txt"));
    ASSERT_EQ(::symlink("ziel/echt.txt", QFile::encodeName(link).constData()), 0);
    CliRun run = saveTable(folder, link);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(real), savedTable());

    const QString second = folder.root.filePath(QStringLiteral("zweiter.txt"));
    ASSERT_EQ(::link(QFile::encodeName(real).constData(), QFile::encodeName(second).constData()), 0);
    run = saveTable(folder, second, {}, {QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_NE(contentOf(real), savedTable());
    EXPECT_EQ(contentOf(real), contentOf(second));
    EXPECT_EQ(statusOf(real).st_nlink, 2u);
    EXPECT_EQ(namesIn(folder.root.filePath(QStringLiteral("ziel"))), QStringList(QStringLiteral("echt.txt")));
}

TEST(CliOutputFile, ReadOnlyFilesAreRefusedAndReadOnlyFoldersWrittenInPlace)
{
    GeneratedFolder folder;
    // Root may write anything, so the user's side runs as "nobody".
    const bool root = ::geteuid() == 0;
    const uid_t user = root ? 65534 : ::getuid();
    const QStringList asUser =
        root ? QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                           QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")}
             : QStringList();
    ASSERT_EQ(::chmod(QFile::encodeName(folder.root.path()).constData(), 0755), 0);

    if (root) {
        // Root replaces a read-only file and leaves its mode and owner.
        const QString locked = makeFile(folder.root.filePath(QStringLiteral("gesperrt.txt")), "alt");
        setOwnerAndMode(locked, 65534, 0444);
        const CliRun run = saveTable(folder, locked);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(contentOf(locked), savedTable());
        EXPECT_EQ(statusOf(locked).st_mode & 07777, 0444u);
        EXPECT_EQ(statusOf(locked).st_uid, 65534u);
        QProcess probe;
        probe.start(asUser.first(), asUser.mid(1) + QStringList{QStringLiteral("true")});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
            GTEST_SKIP() << "cannot run as an unprivileged user";
    }

    // The user's own read-only file in a folder the user may write: refused, not replaced.
    const QString own = folder.root.filePath(QStringLiteral("eigen"));
    const QString locked = makeFile(own + QStringLiteral("/gesperrt.txt"), "alt");
    setOwnerAndMode(own, user, 0755);
    setOwnerAndMode(locked, user, 0444);
    CliRun run = saveTable(folder, locked, asUser);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        endsWithError(run, QStringLiteral("Cannot create file \"%1\". %2").arg(locked, systemReason(EACCES))))
        << run.err.constData();
    EXPECT_EQ(contentOf(locked), "alt");
    EXPECT_EQ(namesIn(own), QStringList(QStringLiteral("gesperrt.txt")));

    // A writable file in a folder the user may not write is written in place.
    const QString closed = folder.root.filePath(QStringLiteral("zu"));
    const QString open = makeFile(closed + QStringLiteral("/offen.txt"), "alt");
    setOwnerAndMode(open, user, 0640);
    setOwnerAndMode(closed, ::getuid(), 0555);
    run = saveTable(folder, open, asUser);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(contentOf(open), savedTable());
    EXPECT_EQ(statusOf(open).st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(closed), QStringList(QStringLiteral("offen.txt")));
    ::chmod(QFile::encodeName(closed).constData(), 0755); // so the temporary folder can go
}
