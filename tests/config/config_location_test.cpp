#include "config/config_location.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(ConfigLocation, PortableOnlyWithAMarkerBesideTheProgram)
{
    QTemporaryDir program;
    const QString userFolder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/tabulix");
    // A folder the program could write is not reason enough to write there.
    EXPECT_EQ(configurationFolderFor(program.path()), userFolder);
    ASSERT_TRUE(QDir(program.path()).mkdir(QStringLiteral("Auto.tbx")));
    EXPECT_EQ(configurationFolderFor(program.path()), userFolder) << "a folder named Auto.tbx is no marker";

    QTemporaryDir withMarker;
    touch(withMarker.filePath(QStringLiteral("portable")));
    EXPECT_EQ(configurationFolderFor(withMarker.path()), withMarker.path());
    QTemporaryDir withStart;
    touch(withStart.filePath(QStringLiteral("Auto.tbx")));
    EXPECT_EQ(configurationFolderFor(withStart.path()), withStart.path());

    touch(withStart.filePath(QStringLiteral("b.tbx")));
    touch(withStart.filePath(QStringLiteral("a.TBX")));
    touch(withStart.filePath(QStringLiteral("a.tbx.txt")));
    EXPECT_EQ(configurationFilesIn(withStart.path()),
              (QStringList{withStart.filePath(QStringLiteral("Auto.tbx")), withStart.filePath(QStringLiteral("b.tbx"))}));
}
