#include "collect/folder_watch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

struct Note {
    WatchEvent event;
    QString path1;
    QString path2;
    bool operator==(const Note &) const = default;
};

void PrintTo(const Note &note, std::ostream *out)
{
    *out << "0x" << std::hex << int(note.event) << std::dec << ' ' << note.path1.toStdString();
    if (!note.path2.isEmpty())
        *out << " -> " << note.path2.toStdString();
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Create, then UpdateItem when the file is closed.
void writeFile(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("data");
}

// Create only: the file is never opened for writing.
void makeEmpty(const QString &path)
{
    const int fd = open(native(path).constData(), O_CREAT | O_RDONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    close(fd);
}

void touch(const QString &path)
{
    ASSERT_EQ(utimensat(AT_FDCWD, native(path).constData(), nullptr, 0), 0) << path.toStdString();
}

void move(const QString &from, const QString &to)
{
    ASSERT_EQ(std::rename(native(from).constData(), native(to).constData()), 0) << from.toStdString();
}

void makeLink(const QString &target, const QString &link)
{
    ASSERT_EQ(symlink(native(target).constData(), native(link).constData()), 0) << link.toStdString();
}

int openDescriptors()
{
    return int(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

class ShellWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(outside.isValid());
        QObject::connect(&watch, &FolderWatch::notified,
                         [this](WatchEvent event, const QString &path1, const QString &path2) {
                             notes.append({event, path1, path2});
                         });
    }

    QString at(const char *relative) const { return root + u'/' + QString::fromUtf8(relative); }
    QString away(const char *relative) const { return outside.path() + u'/' + QString::fromUtf8(relative); }
    void makeFolder(const char *relative) { ASSERT_TRUE(QDir().mkpath(at(relative))); }

    Note created(const char *relative) const { return {WatchEvent::Create, at(relative), {}}; }
    Note updated(const char *relative) const { return {WatchEvent::UpdateItem, at(relative), {}}; }
    Note changed(const char *relative) const { return {WatchEvent::Attributes, at(relative), {}}; }
    Note deleted(const char *relative) const { return {WatchEvent::Delete, at(relative), {}}; }
    Note renamed(const char *from, const char *to) const
    {
        return {WatchEvent::RenameItem, at(from), at(to)};
    }

    bool waitFor(const Note &note)
    {
        return QTest::qWaitFor([&] { return notes.contains(note); }, 5000);
    }

    // Makes a fresh marker file and waits for its Create; every event before it has been
    // reported then. Returns the notes before the marker and forgets them.
    QList<Note> settle()
    {
        const QByteArray name = ".mark" + QByteArray::number(++marks);
        const Note mark = created(name.constData());
        makeEmpty(mark.path1);
        EXPECT_TRUE(waitFor(mark));
        const qsizetype end = notes.indexOf(mark);
        const QList<Note> before = notes.mid(0, end < 0 ? notes.size() : end);
        notes.remove(0, end < 0 ? notes.size() : end + 1);
        return before;
    }

    QTemporaryDir temp;
    QTemporaryDir outside;
    const QString root = temp.path();
    FolderWatch watch;
    QList<Note> notes;
    int marks = 0;
};

} // namespace

TEST_F(ShellWatchTest, ActivationNeedsAnExistingFolderAndReleasesEverything)
{
    EXPECT_FALSE(watch.activate(at("missing")));
    EXPECT_FALSE(watch.isActive());
    EXPECT_EQ(watch.folder(), QString());
    writeFile(at("plain.txt"));
    EXPECT_FALSE(watch.activate(at("plain.txt")));
    EXPECT_FALSE(watch.activate(QString()));
    EXPECT_FALSE(watch.isActive());

    ASSERT_TRUE(watch.activate(root + u'/'));
    EXPECT_TRUE(watch.isActive());
    EXPECT_EQ(watch.folder(), root);
    // A failed activation leaves the watch inactive, not on its previous folder.
    EXPECT_FALSE(watch.activate(at("missing")));
    EXPECT_FALSE(watch.isActive());

    const int before = openDescriptors();
    {
        FolderWatch other;
        ASSERT_TRUE(other.activate(root));
        EXPECT_EQ(openDescriptors(), before + 1);
    }
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(ShellWatchTest, FileCreatedWrittenRenamedAndDeleted)
{
    ASSERT_TRUE(watch.activate(root));
    writeFile(at("a.txt"));
    move(at("a.txt"), at("b.txt"));
    touch(at("b.txt"));
    ASSERT_TRUE(QFile::remove(at("b.txt")));
    EXPECT_EQ(settle(), (QList<Note>{created("a.txt"), updated("a.txt"), renamed("a.txt", "b.txt"),
                                     changed("b.txt"), deleted("b.txt")}));
}

TEST_F(ShellWatchTest, WatchesEveryFolderBelowIncludingHiddenOnes)
{
    makeFolder("deep/er/est");
    makeFolder(".hidden");
    ASSERT_TRUE(watch.activate(root));
    writeFile(at("deep/er/est/x.txt"));
    makeEmpty(at(".hidden/y.txt"));
    // A folder's attributes come once, from its parent; the root's from itself.
    ASSERT_EQ(chmod(native(at(".hidden")).constData(), 0750), 0);
    ASSERT_EQ(chmod(native(root).constData(), 0750), 0);
    EXPECT_EQ(settle(), (QList<Note>{created("deep/er/est/x.txt"),
                                     updated("deep/er/est/x.txt"),
                                     created(".hidden/y.txt"),
                                     changed(".hidden"),
                                     {WatchEvent::Attributes, root, {}}}));
}

TEST_F(ShellWatchTest, FilesInNewFoldersAreReportedOnce)
{
    ASSERT_TRUE(watch.activate(root));
    // Another thread fills new folders while this one adds their watches, so files land before,
    // during and after the listing of their folder.
    constexpr int folders = 20;
    constexpr int filesPerFolder = 15;
    QStringList files;
    for (int i = 0; i < folders; ++i) {
        for (int j = 0; j < filesPerFolder; ++j)
            files.append(at("new") + QString::number(i) + QStringLiteral("/sub/f") + QString::number(j));
    }
    std::atomic<bool> done = false;
    std::thread maker([&] {
        for (const QString &file : files) {
            QDir().mkpath(QFileInfo(file).path());
            makeEmpty(file);
        }
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, 10000);
    maker.join();
    ASSERT_TRUE(finished);
    const QList<Note> seen = settle();
    for (const QString &file : files)
        EXPECT_EQ(seen.count({WatchEvent::Create, file, {}}), 1) << file.toStdString();
    // Folders produce no notification of their own.
    EXPECT_EQ(seen.size(), files.size());

    touch(files.last());
    EXPECT_EQ(settle(), (QList<Note>{{WatchEvent::Attributes, files.last(), {}}}));
}

TEST_F(ShellWatchTest, RenamedFolderReportsUnderItsNewPath)
{
    makeFolder("a/inner");
    makeFolder("deep");
    makeEmpty(at("a/inner/g.txt"));
    ASSERT_TRUE(watch.activate(root));
    move(at("a"), at("b"));
    touch(at("b/inner/g.txt"));
    makeEmpty(at("b/h.txt"));
    move(at("b"), at("deep/c"));
    touch(at("deep/c/inner/g.txt"));
    EXPECT_EQ(settle(),
              (QList<Note>{changed("b/inner/g.txt"), created("b/h.txt"), changed("deep/c/inner/g.txt")}));
}

TEST_F(ShellWatchTest, MovesAcrossTheTreeBorder)
{
    makeEmpty(at("out.txt"));
    makeEmpty(at("late.txt"));
    makeEmpty(away("in.txt"));
    makeFolder("gone");
    makeEmpty(at("gone/x.txt"));
    ASSERT_TRUE(QDir().mkpath(away("came")));
    makeEmpty(away("came/y.txt"));
    ASSERT_TRUE(watch.activate(root));

    move(at("out.txt"), away("out.txt"));
    move(away("came"), at("came"));
    move(away("in.txt"), at("in.txt"));
    move(at("gone"), away("gone"));
    // A moved-in folder is watched from the moment its event is read, so wait for the event after it.
    ASSERT_TRUE(waitFor(created("in.txt")));
    touch(at("came/y.txt"));
    move(at("late.txt"), away("late.txt"));
    // The folder moved away before late.txt, so its watches are gone once late.txt counts as deleted.
    ASSERT_TRUE(waitFor(deleted("late.txt")));
    touch(away("gone/x.txt"));
    EXPECT_EQ(settle(), (QList<Note>{deleted("out.txt"), created("in.txt"), changed("came/y.txt"),
                                     deleted("late.txt")}));
}

TEST_F(ShellWatchTest, RepeatedNotificationIsSuppressed)
{
    makeEmpty(at("a.txt"));
    makeEmpty(at("A.txt"));
    ASSERT_TRUE(watch.activate(root));
    touch(at("a.txt"));
    ASSERT_TRUE(waitFor(changed("a.txt")));
    touch(at("a.txt")); // read on its own, so only the repeat check can drop it
    touch(at("A.txt")); // another path: case counts
    ASSERT_TRUE(waitFor(changed("A.txt")));
    writeFile(at("a.txt"));
    touch(at("a.txt"));
    EXPECT_EQ(settle(),
              (QList<Note>{changed("a.txt"), changed("A.txt"), updated("a.txt"), changed("a.txt")}));

    // Reactivating forgets the preceding notification.
    touch(at("a.txt"));
    ASSERT_TRUE(waitFor(changed("a.txt")));
    ASSERT_TRUE(watch.activate(root));
    touch(at("a.txt"));
    EXPECT_EQ(settle(), (QList<Note>{changed("a.txt"), changed("a.txt")}));
}

TEST_F(ShellWatchTest, LinksToFoldersAreNotFollowed)
{
    makeFolder("sub");
    makeLink(root, at("sub/up"));
    makeLink(QStringLiteral(".."), at("sub/parent"));
    makeLink(outside.path(), at("away"));
    ASSERT_TRUE(watch.activate(root));
    makeEmpty(away("x.txt"));
    makeEmpty(at("sub/f.txt"));
    ASSERT_TRUE(QFile::remove(at("away")));
    EXPECT_EQ(settle(), (QList<Note>{created("sub/f.txt"), deleted("away")}));
}

TEST_F(ShellWatchTest, LinkedFolderCanBeTheWatchedFolder)
{
    makeFolder("real");
    makeLink(at("real"), at("link"));
    ASSERT_TRUE(watch.activate(at("link")));
    makeEmpty(at("real/f.txt"));
    ASSERT_TRUE(waitFor({WatchEvent::Create, at("link/f.txt"), {}}));
}

TEST_F(ShellWatchTest, DeactivatedWatchIsSilent)
{
    ASSERT_TRUE(watch.activate(root));
    FolderWatch witness;
    ASSERT_TRUE(witness.activate(root));
    bool witnessed = false;
    QObject::connect(&witness, &FolderWatch::notified, [&] { witnessed = true; });

    watch.deactivate();
    EXPECT_FALSE(watch.isActive());
    EXPECT_EQ(watch.folder(), QString());
    makeEmpty(at("f.txt"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return witnessed; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(notes, QList<Note>{});
}
