#include "collect/file_icons.h"
#include "collect_test_support.h"

#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A small icon theme on disk with a plain-text, an image and a folder icon.
class ThemeForTest {
public:
    ThemeForTest()
    {
        const QString theme = m_root.filePath(QStringLiteral("tabulix-test"));
        makeFile(theme + QStringLiteral("/index.theme"),
                 "[Icon Theme]\nName=tabulix-test\nDirectories=16x16/mimetypes,16x16/places\n\n"
                 "[16x16/mimetypes]\nSize=16\nType=Fixed\n\n[16x16/places]\nSize=16\nType=Fixed\n");
        QDir().mkpath(theme + QStringLiteral("/16x16/mimetypes"));
        QDir().mkpath(theme + QStringLiteral("/16x16/places"));
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        picture.save(theme + QStringLiteral("/16x16/mimetypes/text-plain.png"));
        picture.save(theme + QStringLiteral("/16x16/mimetypes/image-png.png"));
        picture.save(theme + QStringLiteral("/16x16/places/folder.png"));
        m_searchPaths = QIcon::themeSearchPaths();
        m_themeName = QIcon::themeName();
        QIcon::setThemeSearchPaths({m_root.path()});
        QIcon::setThemeName(QStringLiteral("tabulix-test"));
    }
    ~ThemeForTest()
    {
        QIcon::setThemeSearchPaths(m_searchPaths);
        QIcon::setThemeName(m_themeName);
    }

private:
    QTemporaryDir m_root;
    QStringList m_searchPaths;
    QString m_themeName;
};

} // namespace

TEST(FileIcons, OneIconPerExtensionKeyAndPerFolderType)
{
    const ThemeForTest theme;
    QTemporaryDir folder;
    FileIcons icons;
    const int text = icons.fileIconNumber(makeFile(folder.filePath(QStringLiteral("a.txt"))));
    ASSERT_GE(text, 0);
    EXPECT_FALSE(icons.icon(text).isNull());
    // Every file with the same extension key shares the first one's icon, whatever its letter case.
    EXPECT_EQ(icons.fileIconNumber(folder.filePath(QStringLiteral("b.TXT"))), text);
    const int image = icons.fileIconNumber(folder.filePath(QStringLiteral("c.png")));
    EXPECT_GE(image, 0);
    EXPECT_NE(image, text);
    // A type the theme has no icon for gets none, and asking again adds nothing.
    EXPECT_EQ(icons.fileIconNumber(folder.filePath(QStringLiteral("d.zzqq"))), -1);
    EXPECT_EQ(icons.fileIconNumber(folder.filePath(QStringLiteral("e.zzqq"))), -1);
    EXPECT_EQ(icons.count(), 2);

    QDir().mkpath(folder.filePath(QStringLiteral("one")));
    QDir().mkpath(folder.filePath(QStringLiteral("two.d")));
    const int folderIcon = icons.iconOfPath(folder.filePath(QStringLiteral("one")));
    EXPECT_GE(folderIcon, 0);
    EXPECT_EQ(icons.iconOfPath(folder.filePath(QStringLiteral("two.d"))), folderIcon);
    EXPECT_TRUE(icons.icon(99).isNull());
}
