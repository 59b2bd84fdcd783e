// Trees that once made the walk lose files: names that are not UTF-8, paths longer than one
// system call takes, deep trees under a low descriptor limit.
#include "app/program_state.h"
#include "collect/checksums.h"
#include "collect/file_adder.h"
#include "collect/file_rows.h"
#include "collect/folder_chain.h"
#include "collect/folder_walk.h"
#include "collect/system_path.h"
#include "collect_test_support.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

const LocaleFormat german = LocaleFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
const QString abcMd5 = QStringLiteral("900150983CD24FB0D6963F7D28E17F72");

// Writes content to name in the folder of descriptor folderFd.
void writeAt(int folderFd, const QByteArray &name, const QByteArray &content)
{
    const int fd = ::openat(folderFd, name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << name.toStdString();
    ASSERT_EQ(::write(fd, content.constData(), std::size_t(content.size())), content.size());
    ::close(fd);
}

// A chain of `levels` folders named by nameOf(level) below root, made folder by folder so no
// call sees the whole path; every level holds "f.txt" with the level's number as content.
// Returns the number of bytes of the deepest folder's path.
qsizetype makeChain(const QString &root, int levels, const std::function<QByteArray(int)> &nameOf)
{
    int folder = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    qsizetype length = QFile::encodeName(root).size();
    for (int level = 0; level < levels; ++level) {
        const QByteArray name = nameOf(level);
        EXPECT_EQ(::mkdirat(folder, name.constData(), 0755), 0);
        const int next = ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(folder);
        folder = next;
        length += 1 + name.size();
        writeAt(folder, "f.txt", QByteArray::number(level));
    }
    ::close(folder);
    return length;
}

// Leaves exactly `spare` descriptors free for one test: every other one up to a lowered limit
// is taken.
class SpareDescriptors {
public:
    explicit SpareDescriptors(int spare)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = 1024;
        ::setrlimit(RLIMIT_NOFILE, &lowered);
        for (int fd; (fd = ::dup(0)) >= 0;)
            m_taken.push_back(fd);
        for (; spare > 0 && !m_taken.empty(); --spare) {
            ::close(m_taken.back());
            m_taken.pop_back();
        }
    }
    ~SpareDescriptors()
    {
        for (const int fd : m_taken)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &m_saved);
    }

private:
    rlimit m_saved{};
    std::vector<int> m_taken;
};

// Removes a tree of any depth, folder by folder.
void removeBelow(int folderFd)
{
    DIR *listing = ::fdopendir(::dup(folderFd));
    std::vector<QByteArray> names;
    while (const dirent *entry = listing ? ::readdir(listing) : nullptr)
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    if (listing)
        ::closedir(listing);
    for (const QByteArray &name : names) {
        if (::unlinkat(folderFd, name.constData(), 0) == 0)
            continue;
        const int below =
            ::openat(folderFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (below >= 0) {
            removeBelow(below);
            ::close(below);
        }
        ::unlinkat(folderFd, name.constData(), AT_REMOVEDIR);
    }
}

struct ExactWalk : ::testing::Test {
    // QTemporaryDir works with whole paths and cannot remove a tree deeper than their limit.
    ~ExactWalk() override
    {
        const int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        removeBelow(fd);
        ::close(fd);
    }

    QTemporaryDir folder;
    QString root = folder.path();
    ProgramState state;
    AddingFeedback quiet;
    FileAdder adder{state, quiet, nullptr, german};

    void checksumMd5()
    {
        state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum"), true);
        state.settings.setOn(SettingsWindow::PB, QStringLiteral("act_checksum_md5"), true);
    }
};

} // namespace

TEST_F(ExactWalk, NamesThatAreNotUtf8AreListedWithTheirFactsAndShownWithReplacements)
{
    const QByteArray base = QFile::encodeName(root);
    const int top = ::open(base.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::mkdirat(top, "old\xff", 0755), 0);
    writeAt(top, "caf\xe9.txt", "abc");
    const int inner = ::openat(top, "old\xff", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    writeAt(inner, "x\xfe\xfd.txt", "abcd");
    writeAt(inner, "plain.txt", "ab");
    ::close(inner);
    ::close(top);

    checksumMd5();
    adder.addFolderFiles(root);
    ASSERT_EQ(state.fileList.count(), 3);
    // A UTF-8 name below such a folder still needs the folder's bytes to be found.
    EXPECT_EQ(state.fileList.at(0).name, QStringLiteral("plain.txt"));
    EXPECT_EQ(state.fileList.at(0).systemPath(), base + "/old\xff/plain.txt");
    const FileEntry &below = state.fileList.at(1);
    EXPECT_EQ(below.path(), root + QStringLiteral("/old\uFFFD/x\uFFFD\uFFFD.txt"));
    EXPECT_EQ(below.systemPath(), base + "/old\xff/x\xfe\xfd.txt");
    EXPECT_EQ(below.bytes, 4);
    EXPECT_EQ(below.cells[CellMd5], QStringLiteral("E2FC714C4727EE9395F324CD2E7F331F"));
    EXPECT_FALSE(below.cells[CellChanged].isEmpty());
    const FileEntry &latin1 = state.fileList.at(2);
    EXPECT_EQ(latin1.name, QStringLiteral("caf\uFFFD.txt"));
    EXPECT_EQ(latin1.cells[CellMd5], abcMd5);
    EXPECT_EQ(latin1.cells[CellFormat], QStringLiteral("TXT"));
    // The folder's total counts exactly the files that are listed.
    EXPECT_EQ(folderTotalSize(root), 9);
}

TEST_F(ExactWalk, PathsLongerThanTheSystemLimitAreWalkedRead)
{
    const int levels = 60;
    const qsizetype deepest = makeChain(root, levels, [](int level) -> QByteArray {
        return QByteArray(100, char('a' + level % 26)) + QByteArray::number(level);
    });
    ASSERT_GT(deepest, 5000);

    checksumMd5();
    adder.addFolderFiles(root);
    ASSERT_EQ(state.fileList.count(), levels);
    // Subfolders come first, so the deepest file is the first row.
    const FileEntry &first = state.fileList.at(0);
    EXPECT_GT(first.path().size(), 5000);
    EXPECT_EQ(first.bytes, 2);
    EXPECT_EQ(first.cells[CellMd5],
              QString::fromLatin1(QCryptographicHash::hash("59", QCryptographicHash::Md5).toHex().toUpper()));
    EXPECT_EQ(fileChecksums(first.systemPath(), ChecksumKinds().set(int(ChecksumKind::MD5)))[0],
              first.cells[CellMd5].toLower());
    EXPECT_EQ(state.fileList.at(levels - 1).bytes, 1);
    qint64 total = 0;
    for (int level = 0; level < levels; ++level)
        total += QByteArray::number(level).size();
    EXPECT_EQ(folderTotalSize(root), total);
}

TEST_F(ExactWalk, DeepTreesUnderALowDescriptorLimitAreWalkedWholeOrReported)
{
    const int levels = 400;
    makeChain(root, levels, [](int level) -> QByteArray { return QByteArray::number(level % 10); });
    qint64 total = 0;
    for (int level = 0; level < levels; ++level)
        total += QByteArray::number(level).size();

    QStringList unreadable;
    const UnreadableFolder record = [&](const QString &path, int error) {
        unreadable.append(path + u' ' + QString::number(error));
    };
    {
        const SpareDescriptors few(FolderChain::MaxOpen + 4);
        EXPECT_EQ(walkFolderFiles(root, {QStringLiteral(".txt")}, true, record).size(), levels);
        EXPECT_EQ(folderTotalSize(root, record), total);
    }
    EXPECT_TRUE(unreadable.isEmpty()) << unreadable.join(u'\n').toStdString();

    // With no descriptor to spare below the start, what cannot be opened is reported, never
    // counted as empty.
    {
        const SpareDescriptors none(2); // the start and its listing
        EXPECT_LT(folderTotalSize(root, record), total);
    }
    ASSERT_FALSE(unreadable.isEmpty());
    EXPECT_TRUE(unreadable.first().endsWith(u' ' + QString::number(EMFILE)))
        << unreadable.first().toStdString();
}

TEST_F(ExactWalk, FilesWhoseFactsCannotBeReadGetNoRow)
{
    const QString kept = makeFile(root + QStringLiteral("/kept.txt"), "abc");
    const QString gone = makeFile(root + QStringLiteral("/gone.txt"), "abcd");
    ASSERT_TRUE(QFile::remove(gone));
    // A link whose target is gone is no file either.
    ASSERT_EQ(
        ::symlink("missing-target", QFile::encodeName(root + QStringLiteral("/dangling.txt")).constData()),
        0);

    adder.addFile(gone);
    EXPECT_EQ(adder.addListedFiles({kept, gone, root + QStringLiteral("/dangling.txt")}), 2);
    adder.addFolderFiles(root);
    ASSERT_EQ(state.fileList.count(), 2);
    for (const FileEntry &row : state.fileList.rows()) {
        EXPECT_EQ(row.path(), kept);
        EXPECT_EQ(row.bytes, 3);
    }
}

TEST_F(ExactWalk, AFileDeletedDuringTheWalkGetsNoRowAndNoWord)
{
    const QString early = makeFile(root + QStringLiteral("/early.txt"), "abc");
    makeFile(root + QStringLiteral("/sub/late.txt"), "abcd");
    // The walk asks before each folder: the root is listed by the second question, the one
    // before its subfolder, and the file goes then.
    int asked = 0;
    bool deleted = false;
    QVector<QByteArray> found;
    walkFolderFiles(
        root, {QStringLiteral(".txt")}, true,
        [&found](QVector<QByteArray> files) { found.append(std::move(files)); }, {},
        [&] {
            if (++asked == 2)
                deleted = QFile::remove(early);
            return true;
        });
    ASSERT_TRUE(deleted);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found.last(), QFile::encodeName(early));

    const RowRules rules{german, ZoneBias::at(std::time(nullptr)), false, Language::German,
                         checksumPlan(state.settings, Language::German)};
    FileRowMaker maker(rules);
    const MadeRow gone = maker.rowFromDisk(found.last());
    EXPECT_FALSE(gone.row);
    EXPECT_EQ(gone.error, ENOENT);
    const MadeRow kept = maker.rowFromDisk(found.first());
    ASSERT_TRUE(kept.row);
    EXPECT_EQ(kept.row->bytes, 4);
}
