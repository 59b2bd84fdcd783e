#include "app/startup_sequence.h"
#include "common/language.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Writes down every call in order, as "Operation(argument)".
class RecordingOperations : public StartupOperations {
public:
    QStringList calls;
    void updateDaylightBias() override { calls << QStringLiteral("updateDaylightBias"); }
    void addPath(const QString &path) override { calls << QStringLiteral("addPath(") + path + u')'; }
    void loadConfiguration(LoadOrigin origin, const QString &path) override
    {
        calls << (origin == LoadOrigin::StartUp ? QStringLiteral("LadenStart(") : QStringLiteral("Laden(")) +
                     path + u')';
    }
    void addConfigurationToMenu(const QString &path) override
    {
        calls << QStringLiteral("AddMenu(") + path + u')';
    }
    void refreshPreviewIfOn() override { calls << QStringLiteral("Vorschau"); }
    void updateCountLabel() override { calls << QStringLiteral("Count"); }
};

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(StartupSequence, ConfigurationArgumentsAreRecognisedCaseSensitively)
{
    EXPECT_TRUE(isConfigurationArgument(QStringLiteral("/lists/a.tbx")));
    EXPECT_FALSE(isConfigurationArgument(QStringLiteral("/lists/a.TBX")));
    EXPECT_FALSE(isConfigurationArgument(QStringLiteral("/lists.tbx/a")));
    EXPECT_FALSE(isConfigurationArgument(QStringLiteral("/lists/a.tbx.bak")));
}

TEST(StartupSequence, CommandLineOrderAndTheStartConfiguration)
{
    QTemporaryDir folder;
    const QString autoTbx = folder.filePath(QStringLiteral("Auto.tbx"));
    touch(autoTbx);

    // A folder and a configuration: the folder first, then the configuration; no Auto.tbx.
    RecordingOperations both;
    processCommandLine({QStringLiteral("/data"), QStringLiteral("/c/x.tbx")}, autoTbx, both);
    EXPECT_EQ(both.calls,
              (QStringList{QStringLiteral("updateDaylightBias"), QStringLiteral("addPath(/data)"),
                           QStringLiteral("LadenStart(/c/x.tbx)"), QStringLiteral("AddMenu(/c/x.tbx)"),
                           QStringLiteral("Vorschau"), QStringLiteral("Count")}));

    // Only files (one with an upper-case ".TBX"): added, then Auto.tbx loaded after them.
    RecordingOperations files;
    processCommandLine({QStringLiteral("/l/a.TBX")}, autoTbx, files);
    EXPECT_EQ(files.calls,
              (QStringList{QStringLiteral("updateDaylightBias"), QStringLiteral("addPath(/l/a.TBX)"),
                           QStringLiteral("Vorschau"), QStringLiteral("LadenStart(") + autoTbx + u')',
                           QStringLiteral("Count")}));

    // No arguments: no refresh; a folder named Auto.tbx is not a start configuration.
    QFile::remove(autoTbx);
    QDir(folder.path()).mkdir(QStringLiteral("Auto.tbx"));
    RecordingOperations none;
    processCommandLine({}, autoTbx, none);
    EXPECT_EQ(none.calls, (QStringList{QStringLiteral("updateDaylightBias"), QStringLiteral("Count")}));
}

TEST(StartupSequence, HandOverSkipsTheSendersProgramPathAndAlwaysRefreshes)
{
    RecordingOperations handOver;
    processHandOver(
        {QStringLiteral("/usr/bin/tabulix"), QStringLiteral("/a b/c.txt"), QStringLiteral("/p.tbx")},
        handOver);
    EXPECT_EQ(handOver.calls,
              (QStringList{QStringLiteral("updateDaylightBias"), QStringLiteral("addPath(/a b/c.txt)"),
                           QStringLiteral("LadenStart(/p.tbx)"), QStringLiteral("AddMenu(/p.tbx)"),
                           QStringLiteral("Vorschau"), QStringLiteral("Count")}));
    RecordingOperations empty;
    processHandOver({}, empty);
    EXPECT_EQ(empty.calls, (QStringList{QStringLiteral("updateDaylightBias"), QStringLiteral("Vorschau"),
                                        QStringLiteral("Count")}));
}

TEST(StartupSequence, MarkerFilesChooseTheLanguageAndGermanWinsOverEnglish)
{
    QTemporaryDir folder;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Austria);
    EXPECT_EQ(languageAtStart(folder.path(), english), Language::English);
    EXPECT_EQ(languageAtStart(folder.path(), german), Language::German);

    QDir(folder.path()).mkdir(QStringLiteral("de")); // a folder is no marker
    touch(folder.filePath(QStringLiteral("en")));
    EXPECT_EQ(languageAtStart(folder.path(), german), Language::English);
    QDir(folder.path()).rmdir(QStringLiteral("de"));
    touch(folder.filePath(QStringLiteral("de")));
    EXPECT_EQ(languageAtStart(folder.path(), english), Language::German);
}

TEST(StartupSequence, SmallDesktopsMaximiseAtTheFirstActivation)
{
    EXPECT_TRUE(maximizeOnFirstActivation(QSize(800, 600), QSize(826, 644)));
    EXPECT_FALSE(maximizeOnFirstActivation(QSize(876, 694), QSize(826, 644)));
    EXPECT_TRUE(maximizeOnFirstActivation(QSize(875, 2000), QSize(826, 644)));
    EXPECT_TRUE(maximizeOnFirstActivation(QSize(2000, 693), QSize(826, 644)));
}

TEST(StartupSequence, ArgumentsBecomeCleanAbsolutePaths)
{
    const QStringList given = {QStringLiteral("tabulix"), QStringLiteral("docs/"), QStringLiteral("../x.tbx"),
                               QStringLiteral("/abs//dir/"), QString()};
    EXPECT_EQ(withAbsolutePaths(given, QStringLiteral("/home/me/work")),
              (QStringList{QStringLiteral("tabulix"), QStringLiteral("/home/me/work/docs"),
                           QStringLiteral("/home/me/x.tbx"), QStringLiteral("/abs/dir"), QString()}));
}
