#include "config/profile_groups.h"
#include "program_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QList<QCheckBox *> boxesOf(const Tprofilspeichern &window)
{
    return window.findChildren<QCheckBox *>();
}

QStringList checkedNames(const Tprofilspeichern &window)
{
    QStringList names;
    for (const QCheckBox *box : boxesOf(window))
        if (box->isChecked())
            names.append(box->objectName());
    return names;
}

} // namespace

TEST(ProfileWindow, CaptionsInBothLanguagesAndPlacement)
{
    ProgramFixture window;
    Tprofilspeichern &profile = window.profile;
    // A box for every group, in the order of writing, "opt_order" and "alle" last.
    QStringList names, groups;
    for (const QCheckBox *box : boxesOf(profile))
        names.append(box->objectName());
    for (const ProfileGroup &group : profileGroups())
        groups.append(nameOf(group.checkBox));
    EXPECT_EQ(names, groups);
    EXPECT_EQ(names.mid(0, 4), (QStringList{u"act_name"_s, u"act_format_dateiformat"_s,
                                            u"act_format_windowstyp"_s, u"act_size"_s}));
    EXPECT_EQ(names.mid(11), (QStringList{u"opt_allg"_s, u"opt_grup"_s, u"opt_order"_s, u"alle"_s}));
    const auto captions = [&] {
        return QStringList{profile.windowTitle(),
                           profile.findChild<QGroupBox *>()->title(),
                           profile.findChild<QLabel *>()->text(),
                           profile.findChild<QCheckBox *>(u"act_datum_zugegriffen"_s)->text(),
                           profile.findChild<QCheckBox *>(u"opt_order"_s)->text(),
                           profile.alle->text(),
                           profile.Button1->text(),
                           profile.Button2->text()};
    };
    EXPECT_EQ(captions(),
              (QStringList{u"Profil Speichern"_s, u"Einstellungen"_s,
                           u"Nur die Einstellungen folgender Spalten und Optionen werden gespeichert:"_s,
                           u"Datum: Letzter Zugriff"_s, u"Reihenfolge der Spalten"_s,
                           u"Alle aktivieren oder deaktivieren"_s, u"Profil Speichern"_s, u"Abbrechen"_s}));
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(captions(),
              (QStringList{u"Save Profile"_s, u"Settings"_s,
                           u"Only the Settings of the following Columns and Options will be stored:"_s,
                           u"Date: Accessed"_s, u"Order of Columns"_s, u"Activate or Deactivate all"_s,
                           u"Save Profile"_s, u"Cancel"_s}));

    // Opened by its menu item: modal, on top, centred on the screen and not to be resized.
    bool seen = false;
    answerNextDialogOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
        seen = true;
        EXPECT_EQ(shown, &profile);
        EXPECT_TRUE(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(shown->minimumSize(), shown->maximumSize());
        // Centres of odd and even sizes differ by rounding.
        EXPECT_LE((shown->frameGeometry().center() - shown->screen()->availableGeometry().center())
                      .manhattanLength(),
                  2);
        shown->Button2->click();
    });
    window.action("m_konfig_save_profil")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(profile.isVisible());
}

TEST(ProfileWindow, AlleSwitchesEveryBoxAndTheBoxesAreSettings)
{
    ProgramFixture window;
    Tprofilspeichern &profile = window.profile;
    Settings &settings = window.state.settings;
    EXPECT_TRUE(checkedNames(profile).isEmpty());

    settings.setOn(SettingsWindow::PS, u"act_size"_s, true);
    EXPECT_EQ(checkedNames(profile), QStringList{u"act_size"_s});
    boxesOf(profile).at(0)->click();
    EXPECT_TRUE(settings.isOn(SettingsWindow::PS, u"act_name"_s));

    profile.alle->click();
    EXPECT_EQ(checkedNames(profile).size(), boxesOf(profile).size());
    EXPECT_TRUE(settings.isOn(SettingsWindow::PS, u"opt_order"_s));
    profile.alle->click();
    EXPECT_TRUE(checkedNames(profile).isEmpty());
    EXPECT_FALSE(settings.isOn(SettingsWindow::PS, u"opt_order"_s));

    // A loaded "alle" is only its own state.
    settings.setOn(SettingsWindow::PS, u"alle"_s, true);
    EXPECT_EQ(checkedNames(profile), QStringList{u"alle"_s});
}

TEST(ProfileWindow, SaveButtonClosesUnlessTheSaveFails)
{
    ProgramFixture window;
    Tprofilspeichern &profile = window.profile;
    QTemporaryDir folder;
    const QString regularFile = folder.filePath(u"plain"_s);
    QFile(regularFile).open(QIODevice::WriteOnly);

    // A cancelled dialog closes the window and saves nothing.
    answerNextDialogOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
        cancelFileDialog();
        shown->Button1->click();
    });
    window.action("m_konfig_save_profil")->trigger();
    EXPECT_FALSE(profile.isVisible());
    EXPECT_TRUE(window.knownEntries().isEmpty());

    // A failed save shows the error and leaves the window open for another try.
    const QString failing = regularFile + u"/sub/profile.tbx"_s;
    const QString saved = folder.filePath(u"profile.tbx"_s);
    QString error;
    bool openAfterFailure = false;
    answerNextDialogOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
        chooseInFileDialog(failing);
        readErrorBox(error);
        shown->Button1->click();
        openAfterFailure = shown->isVisible();
        chooseInFileDialog(saved);
        shown->Button1->click();
    });
    window.action("m_konfig_save_profil")->trigger();
    EXPECT_TRUE(error.contains(failing)) << error.toStdString();
    EXPECT_TRUE(openAfterFailure);
    EXPECT_FALSE(profile.isVisible());
    EXPECT_TRUE(QFileInfo(saved).isFile());
    EXPECT_EQ(window.knownEntries(), QStringList{saved});
}
