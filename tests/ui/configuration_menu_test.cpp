#include "common/message_catalogue.h"
#include "common/minimize_path.h"
#include "file_write_test_support.h"
#include "program_fixture.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Name, or the submenu's name, or "-" for a separator, of each entry of the menu.
QStringList entryNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *entry : menu->actions())
        names.append(entry->isSeparator() ? QStringLiteral("-")
                     : entry->menu()      ? entry->menu()->objectName()
                                          : entry->objectName());
    return names;
}

QStringList captions(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *entry : menu->actions())
        if (!entry->isSeparator())
            texts.append(entry->text());
    return texts;
}

void writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(ConfigurationMenu, EntriesCaptionsAndKeysInBothLanguages)
{
    ProgramFixture window;
    ASSERT_TRUE(configurationFolder().startsWith(window.home.path()));
    QMenu *menu = window.konfigMenu();
    EXPECT_EQ(entryNames(menu),
              (QStringList{u"m_konfig_save"_s, u"m_konfig_save_start"_s, u"m_konfig_save_profil"_s,
                           u"m_konfig_load"_s, u"-"_s, u"m_konfig_autosave"_s, u"-"_s, u"m_konfig_standard"_s,
                           u"m_konfig_start"_s}));
    auto *autoSave = menu->findChild<QMenu *>(QStringLiteral("m_konfig_autosave"));
    EXPECT_EQ(entryNames(autoSave), (QStringList{u"m_konfig_autosave_nie"_s, u"m_konfig_autosave_alles"_s,
                                                 u"m_konfig_autosave_profil"_s}));

    EXPECT_EQ(menu->title(), u"Konfiguration");
    EXPECT_EQ(captions(menu),
              (QStringList{u"Aktuelle Konfiguration speichern"_s,
                           u"Aktuelle Konfiguration als Startkonfiguration speichern (auto.tbx)"_s,
                           u"Profil speichern.."_s, u"Konfiguration oder Profil laden"_s,
                           u"Konfiguration beim Beenden speichern"_s, u"Alle Einstellungen zurücksetzen"_s,
                           u"Startkonfiguration (auto.tbx) laden wenn vorhanden"_s}));
    EXPECT_EQ(captions(autoSave),
              (QStringList{u"Nicht speichern"_s, u"Alles speichern"_s, u"Profil speichern"_s}));

    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(menu->title(), u"Configuration");
    EXPECT_EQ(captions(menu), (QStringList{u"Save current Configuration"_s,
                                           u"Save current Configuration as Start Configuration (auto.tbx)"_s,
                                           u"Save Profile.."_s, u"Load Configuration or Profile"_s,
                                           u"Auto Save Settings on Exit"_s, u"Reset all Settings"_s,
                                           u"Load Start Configuration (auto.tbx) if possible"_s}));
    EXPECT_EQ(captions(autoSave), (QStringList{u"Never"_s, u"Save all"_s, u"Save Profile"_s}));

    EXPECT_EQ(window.action("m_konfig_load")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(window.action("m_konfig_standard")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(window.action("m_konfig_start")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(window.action("m_konfig_start")->statusTip(), startConfigurationPath());
}

TEST(ConfigurationMenu, AutomaticSavingSwitchesAreExclusiveAndFollowTheSettings)
{
    ProgramFixture window;
    Settings &settings = window.state.settings;
    QAction *never = window.action("m_konfig_autosave_nie");
    QAction *all = window.action("m_konfig_autosave_alles");
    QAction *profile = window.action("m_konfig_autosave_profil");
    const auto checks = [&] {
        return QList<bool>{never->isChecked(), all->isChecked(), profile->isChecked()};
    };
    const auto switches = [&] {
        return QList<bool>{settings.isOn(MenuSwitch::AutoSaveNever), settings.isOn(MenuSwitch::AutoSaveAll),
                           settings.isOn(MenuSwitch::AutoSaveProfile)};
    };
    EXPECT_EQ(checks(), (QList<bool>{true, false, false}));

    all->trigger();
    EXPECT_EQ(switches(), (QList<bool>{false, true, false}));
    EXPECT_EQ(checks(), switches());
    // Choosing the chosen one again keeps it.
    all->trigger();
    EXPECT_EQ(switches(), (QList<bool>{false, true, false}));
    EXPECT_EQ(checks(), switches());
    profile->trigger();
    EXPECT_EQ(switches(), (QList<bool>{false, false, true}));
    EXPECT_EQ(checks(), switches());

    // A loaded configuration sets each switch on its own, and the checks follow.
    settings.setOn(MenuSwitch::AutoSaveAll, true);
    settings.setOn(MenuSwitch::AutoSaveNever, true);
    EXPECT_EQ(checks(), (QList<bool>{true, true, true}));
    settings.setOn(MenuSwitch::AutoSaveProfile, false);
    EXPECT_EQ(checks(), (QList<bool>{true, true, false}));
}

TEST(ConfigurationMenu, KnownEntriesAreListedOncePerExactPath)
{
    // The tbx files of the configuration folder are listed by name; other names are not.
    ProgramFixture window(Language::German, {}, [] {
        for (const char *name : {"b.tbx", "a.tbx", "c.TBX", "d.txt"})
            writeFile(configurationFolder() + u'/' + QString::fromUtf8(name));
    });
    const QString folder = configurationFolder();
    auto *menu = window.prog->findChild<QMenu *>(QStringLiteral("m_konfig"));
    const auto entries = [menu] {
        QStringList found;
        for (const QAction *entry : menu->actions().mid(9))
            found.append(entry->objectName() + u' ' + entry->statusTip());
        return found;
    };
    EXPECT_EQ(entries(), (QStringList{u"m_konfig_9 "_s + folder + u"/a.tbx"_s,
                                      u"m_konfig_10 "_s + folder + u"/b.tbx"_s}));

    const QString path =
        window.home.filePath(QStringLiteral("lists & more/deep/folder/names/Konfiguration.tbx"));
    window.prog->configurations().addConfigurationToMenu(path);
    window.prog->configurations().addConfigurationToMenu(path);
    // Another letter case is another path; the start configuration is there already.
    QString otherCase = path;
    otherCase.replace(QStringLiteral("Konfiguration"), QStringLiteral("konfiguration"));
    window.prog->configurations().addConfigurationToMenu(otherCase);
    window.prog->configurations().addConfigurationToMenu(startConfigurationPath());
    EXPECT_EQ(entries(),
              (QStringList{u"m_konfig_9 "_s + folder + u"/a.tbx"_s, u"m_konfig_10 "_s + folder + u"/b.tbx"_s,
                           u"m_konfig_11 "_s + path, u"m_konfig_12 "_s + otherCase}));

    const QAction *entry = menu->actions().at(11);
    EXPECT_EQ(entry->text(), minimizePath(path, 372).replace(u'&', QStringLiteral("&&")));
    EXPECT_NE(entry->text(), path);
    EXPECT_EQ(entry->toolTip(), path);
}

TEST(ConfigurationMenu, StartConfigurationIsSavedAndLoadedByItsCommands)
{
    ProgramFixture window;
    const QString start = startConfigurationPath();

    QString shownTitle;
    answerNextDialog([&](QWidget *modal) {
        shownTitle = window.message.Label1->text();
        modal->close();
    });
    window.action("m_konfig_start")->trigger();
    EXPECT_EQ(shownTitle, messageTexts(QStringLiteral("keinestartkonfig"), Language::German)->title);

    // A folder where the file should be is no start configuration either.
    QDir().mkpath(start);
    shownTitle.clear();
    answerNextDialog([&](QWidget *modal) {
        shownTitle = window.message.Label1->text();
        modal->close();
    });
    window.action("m_konfig_start")->trigger();
    EXPECT_FALSE(shownTitle.isEmpty());
    QDir().rmdir(start);

    window.action("m_konfig_save_start")->trigger();
    EXPECT_TRUE(QFileInfo(start).isFile());
    EXPECT_EQ(window.action("m_konfig_start")->statusTip(), start);
    EXPECT_TRUE(window.knownEntries().isEmpty());
}
