#include "app/file_clipboard.h"
#include "collect_test_support.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(FileClipboard, ASingleRowCopiesOnlyAnExistingFile)
{
    QTemporaryDir folder;
    const QString file = makeFile(folder.filePath(u"a.txt"_s), "a");
    EXPECT_EQ(pathsToCopy({file}), QStringList{file});
    EXPECT_TRUE(pathsToCopy({folder.filePath(u"gone.txt"_s)}).isEmpty());
    // A folder row is no file.
    EXPECT_TRUE(pathsToCopy({folder.path()}).isEmpty());
    EXPECT_TRUE(pathsToCopy({}).isEmpty());

    // Several rows go unchecked, in their order, relative paths as they are.
    const QStringList several{folder.filePath(u"gone.txt"_s), file, u"relative/b.txt"_s};
    EXPECT_EQ(pathsToCopy(several), several);
}

TEST(FileClipboard, ThreeFilesInEveryFormTheFileManagersPaste)
{
    const QStringList paths{u"/tmp/x/a b.txt"_s, u"/tmp/x/ä#.txt"_s, u"/tmp/y/c"_s};
    const std::unique_ptr<QMimeData> data = copiedFilesData(paths);
    EXPECT_EQ(data->data(u"text/uri-list"_s),
              "file:///tmp/x/a%20b.txt\r\nfile:///tmp/x/%C3%A4%23.txt\r\nfile:///tmp/y/c\r\n");
    EXPECT_EQ(data->data(u"x-special/gnome-copied-files"_s),
              "copy\nfile:///tmp/x/a%20b.txt\nfile:///tmp/x/%C3%A4%23.txt\nfile:///tmp/y/c");
    EXPECT_EQ(data->data(u"application/x-kde-cutselection"_s), "0");
    EXPECT_EQ(data->data(u"text/plain"_s), u"/tmp/x/a b.txt\n/tmp/x/ä#.txt\n/tmp/y/c"_s.toUtf8());
    // The URI list reads back as the same files.
    QStringList back;
    for (const QUrl &url : data->urls())
        back.append(url.toLocalFile());
    EXPECT_EQ(back, paths);
}
