#include "common/settings.h"
#include "common/tabulix_error.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
const QString PB = QStringLiteral("PB");
}

TEST(Settings, FreshStartHoldsEveryWindowsDefaultsInControlOrder)
{
    Settings settings;
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Text).size(), 16);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Choice).size(), 13);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Radio).size(), 4);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Check).size(), 65);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Panel).size(), 48);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PF, SettingKind::Check).size(), 16);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::EA, SettingKind::Radio).size(), 9);
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PS, SettingKind::Check).size(), 15);

    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Text).first(),
              QStringLiteral("inp_ordner"));
    EXPECT_EQ(settings.controlOrder(SettingsWindow::PB, SettingKind::Text).last(),
              QStringLiteral("act_checksum_max"));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("des_tab_z")), QStringLiteral("; "));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("out_format")),
              QStringLiteral("Textdatei (*.txt)"));
    EXPECT_TRUE(settings.isOn(SettingsWindow::PB, QStringLiteral("act_name")));
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));
    EXPECT_TRUE(settings.isOn(SettingsWindow::PF, QStringLiteral("alle")));
    EXPECT_TRUE(settings.isOn(SettingsWindow::PF, QStringLiteral("cb_musik")));
    EXPECT_FALSE(settings.isOn(SettingsWindow::PF, QStringLiteral("cb_media")));
    EXPECT_EQ(settings.value(SettingsWindow::DF, QStringLiteral("filter")), QStringLiteral("jpg,bmp,txt"));
    EXPECT_EQ(settings.kind(SettingsWindow::PB, QStringLiteral("Panel12")), SettingKind::Panel);
    EXPECT_EQ(windowPrefix(SettingsWindow::PB) + kindSuffix(SettingKind::Check), QStringLiteral("PBCH"));

    // Names repeat only across windows.
    EXPECT_TRUE(settings.contains(SettingsWindow::PF, QStringLiteral("alle")));
    EXPECT_TRUE(settings.contains(SettingsWindow::DF, QStringLiteral("alle")));
    EXPECT_FALSE(settings.contains(SettingsWindow::PB, QStringLiteral("alle")));
    EXPECT_THROW(settings.value(SettingsWindow::PB, QStringLiteral("alle")), TabulixError);

    EXPECT_EQ(settings.columnOrder().first(), QStringLiteral("01 Dateiname"));
    EXPECT_EQ(defaultColumnOrder(Language::English).last(), QStringLiteral("12 Checksums"));
}

TEST(Settings, ChangesAreAnnouncedOnceAndOnlyWhenTheValueDiffers)
{
    Settings settings;
    QSignalSpy spy(&settings, &Settings::changed);
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_einheit"), QStringLiteral("MB"));
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_einheit"), QStringLiteral("MB"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(1).toString(), QStringLiteral("act_size_einheit"));

    // Switches keep "1" or "0" whatever they are given.
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_pfad"), QStringLiteral("yes"));
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("act_pfad")), QStringLiteral("0"));
    settings.setOn(SettingsWindow::PB, QStringLiteral("act_pfad"), true);
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("act_pfad")), QStringLiteral("1"));
}

TEST(Settings, RadioButtonsSwitchOnlyTheirOwnGroupsSiblingsOff)
{
    Settings settings;
    settings.setOn(SettingsWindow::PB, QStringLiteral("des_grup_ja"), true);
    EXPECT_FALSE(settings.isOn(SettingsWindow::PB, QStringLiteral("des_grup_nein")));
    // The padding group is another group of the same window.
    EXPECT_TRUE(settings.isOn(SettingsWindow::PB, QStringLiteral("des_tab_padding")));

    settings.setOn(SettingsWindow::EA, QStringLiteral("rb_utf16le"), true);
    int on = 0;
    for (const QString &name : settings.controlOrder(SettingsWindow::EA, SettingKind::Radio))
        on += settings.isOn(SettingsWindow::EA, name);
    EXPECT_EQ(on, 1);

    // Switching the current button off leaves the group without one.
    settings.setOn(SettingsWindow::EA, QStringLiteral("rb_utf16le"), false);
    EXPECT_FALSE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));

    // Reset brings back the fresh start, announced like any other change.
    QSignalSpy spy(&settings, &Settings::changed);
    settings.resetToDefaults(Language::English);
    EXPECT_TRUE(settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));
    EXPECT_TRUE(settings.isOn(SettingsWindow::PB, QStringLiteral("des_grup_nein")));
    EXPECT_GE(spy.count(), 3);
    EXPECT_EQ(settings.columnOrder().first(), QStringLiteral("01 Filename"));
}
