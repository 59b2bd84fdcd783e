// The window's configuration commands with the configuration files they write and read.
#include "config/ini_document.h"
#include "configuration_window.h"
#include "file_write_test_support.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
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

struct ShownWindow : ConfigurationWindow {
    ShownWindow()
    {
        prog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(prog.get()));
    }
    QSplitter *splitter(const QString &name) const { return prog->findChild<QSplitter *>(name); }
    QRect clientArea() const { return {prog->pos(), prog->centralWidget()->size()}; }
    QList<int> splitterSides() const
    {
        return {splitter(u"Splitter1"_s)->sizes().value(1), splitter(u"Splitter2"_s)->sizes().value(0)};
    }
};

} // namespace

TEST(ConfigurationFiles, ProfileWindowSavesOnlyTheChosenGroups)
{
    ConfigurationWindow window;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"size.tbx"_s);
    window.profile.findChild<QCheckBox *>(u"act_size"_s)->click();
    whenModalShownOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
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

TEST(ConfigurationFiles, LoadedConfigurationsPlaceTheWindow)
{
    ShownWindow window;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"placed.tbx"_s);
    window.prog->move(50, 40);
    window.splitter(u"Splitter1"_s)->setSizes({380, 420});
    window.splitter(u"Splitter2"_s)->setSizes({250, 400});
    const QRect savedArea = window.clientArea();
    const QList<int> savedSides = window.splitterSides();
    chooseInFileDialog(path);
    window.action("m_konfig_save")->trigger();

    window.action("m_konfig_standard")->trigger();
    window.prog->move(90, 80);
    ASSERT_NE(window.clientArea(), savedArea);
    ASSERT_NE(window.splitterSides(), savedSides);
    chooseInFileDialog(path);
    window.action("m_konfig_load")->trigger();
    EXPECT_EQ(window.clientArea(), savedArea);
    EXPECT_EQ(window.splitterSides(), savedSides);
    EXPECT_EQ(window.knownEntries(), QStringList{path});

    // A maximised window loaded at start-up waits for its activation; a user's load maximises.
    IniDocument maximised = IniDocument::fromBytes(contentOf(path));
    maximised.writeFlag(u"SP"_s, u"PF"_s, true);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(maximised.toBytes());
    file.close();
    window.prog->loadConfiguration(LoadOrigin::StartUp, path);
    EXPECT_FALSE(window.prog->isMaximized());
    EXPECT_TRUE(window.prog->maximizeOnActivate());
    window.prog->setMaximizeOnActivate(false);
    window.prog->loadConfiguration(LoadOrigin::User, path);
    EXPECT_TRUE(window.prog->isMaximized());
}

TEST(ConfigurationFiles, MenuEntriesAndTheStartCommandLoadTheirFiles)
{
    ConfigurationWindow window;
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
