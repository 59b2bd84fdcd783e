// The window's configuration commands with the configuration files they write and read.
#include "config/ini_document.h"
#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList sortedKeys(const IniDocument &document, const QString &section)
{
    QStringList keys = document.keys(section);
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

TEST(ConfigurationFiles, ProfileWindowSavesOnlyTheChosenGroups)
{
    ProgramFixture window;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"size.tbx"_s);
    window.profile.findChild<QCheckBox *>(u"act_size"_s)->click();
    answerNextDialogOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
        chooseInFileDialog(path);
        shown->Button1->click();
    });
    window.action("m_konfig_save_profil")->trigger();

    const IniDocument profile = IniDocument::fromBytes(contentOf(path));
    QStringList sections = profile.sections();
    std::sort(sections.begin(), sections.end());
    EXPECT_EQ(sections, (QStringList{u"AS"_s, u"PBCB"_s, u"PBCH"_s, u"PBED"_s}));
    EXPECT_EQ(sortedKeys(profile, u"AS"_s), (QStringList{u"A"_s, u"N"_s, u"P"_s}));
    EXPECT_EQ(sortedKeys(profile, u"PBCH"_s),
              (QStringList{u"act_size"_s, u"act_size_1000"_s, u"act_size_rb"_s, u"act_size_showunit"_s}));
    EXPECT_EQ(sortedKeys(profile, u"PBCB"_s), (QStringList{u"act_size_einheit"_s, u"act_size_nks"_s}));
    EXPECT_EQ(sortedKeys(profile, u"PBED"_s), QStringList{u"act_size_ed"_s});
    EXPECT_EQ(window.knownEntries(), QStringList{path});
}

TEST(ConfigurationFiles, MenuEntriesAndTheStartCommandLoadTheirFiles)
{
    ProgramFixture window;
    Settings &settings = window.state.settings;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"twice.tbx"_s);

    settings.setOn(MenuSwitch::RefuseDuplicates, true);
    chooseInFileDialog(path);
    window.action("m_konfig_save")->trigger();
    window.action("m_konfig_save_start")->trigger();
    settings.setOn(MenuSwitch::RefuseDuplicates, false);

    QAction *entry = window.konfigMenu()->actions().constLast();
    ASSERT_EQ(entry->statusTip(), path);
    entry->trigger();
    EXPECT_TRUE(settings.isOn(MenuSwitch::RefuseDuplicates));

    settings.setOn(MenuSwitch::RefuseDuplicates, false);
    window.action("m_konfig_start")->trigger();
    EXPECT_TRUE(settings.isOn(MenuSwitch::RefuseDuplicates));

    // An entry whose file has gone does nothing, not even the constant defaults, and stays.
    QFile::remove(path);
    settings.setOn(MenuSwitch::RefuseDuplicates, true);
    settings.setOn(MenuSwitch::AddFolderRows, false);
    entry->trigger();
    EXPECT_TRUE(settings.isOn(MenuSwitch::RefuseDuplicates));
    EXPECT_FALSE(settings.isOn(MenuSwitch::AddFolderRows));
    EXPECT_EQ(window.knownEntries(), QStringList{path});
}

TEST(ConfigurationFiles, ALoadedWatchSwitchWatchesTheLoadedFolder)
{
    ProgramFixture window;
    QTemporaryDir watched;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"watch.tbx"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QString(u"[PBED]\ninp_ordner="_s + watched.path() + u"\n[PBCH]\ninp_ow=1\n"_s).toUtf8());
    file.close();

    window.prog->configurations().loadConfiguration(LoadOrigin::User, path);
    EXPECT_TRUE(window.prog->adding().folderWatch().isActive());
    EXPECT_EQ(window.prog->adding().folderWatch().folder(), watched.path());
    window.state.settings.setOn(SettingsWindow::PB, u"inp_ow"_s, false);
    EXPECT_FALSE(window.prog->adding().folderWatch().isActive());
}
