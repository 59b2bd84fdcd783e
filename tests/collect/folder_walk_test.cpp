#include "collect/folder_walk.h"
#include "collect_test_support.h"

#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QStringList relative(const QStringList &paths, const QString &root)
{
    QStringList names;
    for (const QString &path : paths)
        names.append(path.mid(root.size() + 1));
    return names;
}

} // namespace

TEST(FolderWalk, SubfoldersFirstThenFilesGroupedByPattern)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    makeFile(root + QStringLiteral("/a.jpg"));
    makeFile(root + QStringLiteral("/b.png"));
    makeFile(root + QStringLiteral("/S/c.jpg"));
    const QStringList patterns = {QStringLiteral(".png"), QStringLiteral(".jpg")};
    EXPECT_EQ(relative(walkFolder(root, patterns, true), root),
              (QStringList{QStringLiteral("S/c.jpg"), QStringLiteral("b.png"), QStringLiteral("a.jpg")}));
    EXPECT_EQ(relative(walkFolder(root, patterns, false), root),
              (QStringList{QStringLiteral("b.png"), QStringLiteral("a.jpg")}));
    // A trailing "/" on the folder changes nothing.
    EXPECT_EQ(walkFolder(root + u'/', patterns, true), walkFolder(root, patterns, true));
}

TEST(FolderWalk, MatchingIgnoresCaseKeepsRepeatsAndSortsByCodeUnits)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    for (const char *name : {"b.TXT", "a.txt", "Z.Txt", "noext", "c.txt.bak", "sub/.hidden/d.txt"})
        makeFile(root + u'/' + QString::fromUtf8(name));
    // Upper case sorts before lower case by code unit; the pattern stands twice, so do its files.
    EXPECT_EQ(relative(walkFolder(root, {QStringLiteral(".txt"), QStringLiteral(".txt")}, true), root),
              (QStringList{QStringLiteral("sub/.hidden/d.txt"), QStringLiteral("sub/.hidden/d.txt"),
                           QStringLiteral("Z.Txt"), QStringLiteral("a.txt"), QStringLiteral("b.TXT"),
                           QStringLiteral("Z.Txt"), QStringLiteral("a.txt"), QStringLiteral("b.TXT")}));
    // ".*" takes every file, with or without an extension.
    EXPECT_EQ(walkFolder(root, {QStringLiteral(".*")}, false).size(), 5);
    EXPECT_EQ(relative(walkFolder(root, {QStringLiteral(".t?t")}, false), root),
              (QStringList{QStringLiteral("Z.Txt"), QStringLiteral("a.txt"), QStringLiteral("b.TXT")}));
    // No pattern, no file.
    EXPECT_TRUE(walkFolder(root, {}, true).isEmpty());
}

TEST(FolderWalk, NamesSortByTheCodeUnitsTheyShowWhateverTheirBytes)
{
    QTemporaryDir folder;
    const QByteArray root = QFile::encodeName(folder.path());
    // By bytes the full-width letter (EF BC A1) would come before the one beyond the basic
    // plane (F0 9D 92 9C); by UTF-16 code units it comes after its surrogates (D835 DC9C).
    // A byte that is no UTF-8 shows as U+FFFD, last of all.
    const QByteArray names[] = {"b.txt", "z.TXT", "\xc3\xa4.txt", "\xf0\x9d\x92\x9c.txt", "\xef\xbc\xa1.txt", "\xff.txt"};
    for (const QByteArray &name : names)
        ASSERT_EQ(::close(::open(QByteArray(root + '/' + name).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644)), 0);
    QVector<QByteArray> expected;
    for (const QByteArray &name : names)
        expected.append(root + '/' + name);
    EXPECT_EQ(walkFolderFiles(folder.path(), {QStringLiteral(".txt")}, false), expected);
}

TEST(FolderWalk, FoldersNamedLikeFilesAreWalkedAndLinksToFoldersAreNot)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    makeFile(root + QStringLiteral("/notes.txt/inside.txt"));
    makeFile(root + QStringLiteral("/real.txt"));
    ASSERT_EQ(symlink(qPrintable(root), qPrintable(root + QStringLiteral("/notes.txt/loop"))), 0);
    ASSERT_EQ(symlink(qPrintable(root + QStringLiteral("/real.txt")),
                      qPrintable(root + QStringLiteral("/link.txt"))),
              0);
    // The walk of a folder whose name contains ".txt" finds its files; the loop link is not entered.
    EXPECT_EQ(relative(walkFolder(root, {QStringLiteral(".*")}, true), root),
              (QStringList{QStringLiteral("notes.txt/inside.txt"), QStringLiteral("link.txt"),
                           QStringLiteral("real.txt")}));
    EXPECT_EQ(relative(walkFolder(root + QStringLiteral("/notes.txt"), {QStringLiteral(".txt")}, true), root),
              QStringList{QStringLiteral("notes.txt/inside.txt")});
    EXPECT_TRUE(walkFolder(root + QStringLiteral("/missing"), {QStringLiteral(".*")}, true).isEmpty());
}

TEST(FolderWalk, FoldersThatCannotBeListedAreReported)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    makeFile(root + QStringLiteral("/a.txt"));
    QStringList reported;
    const UnreadableFolder record = [&reported](const QString &path, int error) {
        reported.append(path + u' ' + QString::number(error));
    };
    EXPECT_EQ(walkFolder(root, {QStringLiteral(".*")}, true, record),
              QStringList{root + QStringLiteral("/a.txt")});
    EXPECT_TRUE(reported.isEmpty());
    EXPECT_TRUE(
        walkFolder(root + QStringLiteral("/missing"), {QStringLiteral(".*")}, true, record).isEmpty());
    EXPECT_TRUE(walkFolder(root + QStringLiteral("/a.txt"), {QStringLiteral(".*")}, true, record).isEmpty());
    EXPECT_EQ(reported, (QStringList{root + QStringLiteral("/missing ") + QString::number(ENOENT),
                                     root + QStringLiteral("/a.txt ") + QString::number(ENOTDIR)}));
}

TEST(FolderWalk, SubfolderListSkipsHiddenFoldersLinksAndFiles)
{
    QTemporaryDir folder;
    const QString root = folder.path();
    makeFile(root + QStringLiteral("/b/x"));
    makeFile(root + QStringLiteral("/a/y"));
    makeFile(root + QStringLiteral("/.git/z"));
    makeFile(root + QStringLiteral("/file"));
    ASSERT_EQ(symlink(qPrintable(root + QStringLiteral("/a")), qPrintable(root + QStringLiteral("/c"))), 0);
    EXPECT_EQ(relative(listSubfolders(root), root), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}
