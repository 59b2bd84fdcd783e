#include "configuration_window.h"

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
    ConfigurationWindow window;
    Tprofilspeichern &profile = window.profile;
    const auto captions = [&] {
        QStringList texts{profile.windowTitle(), profile.findChild<QGroupBox *>()->title(),
                          profile.findChild<QLabel *>()->text()};
        for (const QCheckBox *box : boxesOf(profile))
            texts.append(box->objectName() + u'=' + box->text());
        texts << profile.Button1->text() << profile.Button2->text();
        return texts;
    };
    EXPECT_EQ(captions(),
              (QStringList{u"Profil Speichern"_s,
                           u"Einstellungen"_s,
                           u"Nur die Einstellungen folgender Spalten und Optionen werden gespeichert:"_s,
                           u"act_name=Dateiname"_s,
                           u"act_format_dateiformat=Dateiformat"_s,
                           u"act_format_windowstyp=Windows Datei Typ"_s,
                           u"act_size=Dateigröße"_s,
                           u"act_datum_erstellt=Datum: Erstellt"_s,
                           u"act_datum_zugegriffen=Datum: Letzter Zugriff"_s,
                           u"act_datum_changed=Datum: Geändert"_s,
                           u"act_attribute_hidden=Attribut: Versteckt"_s,
                           u"act_attribute_readonly=Attribut: Schreibgeschützt"_s,
                           u"act_exeprog=Verknüpftes Programm"_s,
                           u"act_pfad=Dateipfad"_s,
                           u"opt_allg=Allgemeine Optionen"_s,
                           u"opt_grup=Gruppierung"_s,
                           u"opt_order=Reihenfolge der Spalten"_s,
                           u"alle=Alle aktivieren oder deaktivieren"_s,
                           u"Profil Speichern"_s,
                           u"Abbrechen"_s}));
    window.state.settings.setLanguage(Language::English);
    EXPECT_EQ(captions(),
              (QStringList{u"Save Profile"_s,
                           u"Settings"_s,
                           u"Only the Settings of the following Columns and Options will be stored:"_s,
                           u"act_name=File Name"_s,
                           u"act_format_dateiformat=File Format"_s,
                           u"act_format_windowstyp=Windows File Type"_s,
                           u"act_size=File Size"_s,
                           u"act_datum_erstellt=Date: Created"_s,
                           u"act_datum_zugegriffen=Date: Accessed"_s,
                           u"act_datum_changed=Date: Changed"_s,
                           u"act_attribute_hidden=Attribut: Hidden"_s,
                           u"act_attribute_readonly=Attribut Read Only"_s,
                           u"act_exeprog=Associated Application"_s,
                           u"act_pfad=File Path"_s,
                           u"opt_allg=General Options"_s,
                           u"opt_grup=Grouping"_s,
                           u"opt_order=Order of Columns"_s,
                           u"alle=Activate or Deactivate all"_s,
                           u"Save Profile"_s,
                           u"Cancel"_s}));

    // Opened by its menu item: modal, on top, centred on the screen and not to be resized.
    bool seen = false;
    whenModalShownOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
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
    ConfigurationWindow window;
    Tprofilspeichern &profile = window.profile;
    Settings &settings = window.state.settings;
    EXPECT_TRUE(checkedNames(profile).isEmpty());

    settings.setOn(SettingsWindow::PS, u"act_size"_s, true);
    EXPECT_EQ(checkedNames(profile), QStringList{u"act_size"_s});
    boxesOf(profile).at(0)->click();
    EXPECT_TRUE(settings.isOn(SettingsWindow::PS, u"act_name"_s));

    profile.alle->click();
    EXPECT_EQ(checkedNames(profile).size(), 15);
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
    ConfigurationWindow window;
    Tprofilspeichern &profile = window.profile;
    QTemporaryDir folder;
    const QString regularFile = folder.filePath(u"plain"_s);
    QFile(regularFile).open(QIODevice::WriteOnly);

    // A cancelled dialog closes the window and saves nothing.
    whenModalShownOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
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
    whenModalShownOf<Tprofilspeichern>([&](Tprofilspeichern *shown) {
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
