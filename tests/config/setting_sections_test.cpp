#include "app/program_state.h"
#include "common/tabulix_error.h"
#include "config/setting_sections.h"

#include <gtest/gtest.h>

namespace {

QString failureOf(ProgramState &state, const char *assignment)
{
    try {
        applySettingAssignment(state.settings, QString::fromUtf8(assignment));
    } catch (const TabulixError &error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(SettingSections, AssignmentsReachSettingsOrderAndMenuSwitches)
{
    ProgramState state;
    applySettingAssignment(state.settings, QStringLiteral("PBCH.act_pfad=1"));
    applySettingAssignment(state.settings, QStringLiteral("PBCB.act_size_einheit=MB"));
    applySettingAssignment(state.settings, QStringLiteral("PBRB.des_grup_ja=1"));
    applySettingAssignment(state.settings, QStringLiteral("EARB.rb_utf16le=1"));
    applySettingAssignment(state.settings, QStringLiteral("ES.OR=1"));
    applySettingAssignment(state.settings, QStringLiteral("ES.DS=0"));
    applySettingAssignment(state.settings, QStringLiteral("PBED.des_allg_header=a=b"));
    EXPECT_TRUE(state.settings.isOn(SettingsWindow::PB, QStringLiteral("act_pfad")));
    EXPECT_EQ(state.settings.value(SettingsWindow::PB, QStringLiteral("act_size_einheit")),
              QStringLiteral("MB"));
    // Radio groups keep one member on.
    EXPECT_FALSE(state.settings.isOn(SettingsWindow::PB, QStringLiteral("des_grup_nein")));
    EXPECT_FALSE(state.settings.isOn(SettingsWindow::EA, QStringLiteral("rb_utf8")));
    EXPECT_TRUE(state.settings.isOn(MenuSwitch::AddFolderRows));
    EXPECT_FALSE(state.settings.isOn(MenuSwitch::DaylightCorrection));
    EXPECT_EQ(state.settings.value(SettingsWindow::PB, QStringLiteral("des_allg_header")),
              QStringLiteral("a=b"));

    // A kind set at a place moves there, so every kind stays in the list once.
    applySettingAssignment(state.settings, QStringLiteral("PBRF.r0=11 Dateipfad"));
    const QStringList order = state.settings.columnOrder();
    EXPECT_EQ(order.at(0), QStringLiteral("11 Dateipfad"));
    EXPECT_EQ(order.at(1), QStringLiteral("01 Dateiname"));
    EXPECT_EQ(order.count(QStringLiteral("11 Dateipfad")), 1);

    const QStringList listed = listSettings(state.settings);
    EXPECT_TRUE(listed.contains(QStringLiteral("PBCH.act_pfad=1")));
    EXPECT_TRUE(listed.contains(QStringLiteral("ES.OR=1")));
    EXPECT_TRUE(listed.contains(QStringLiteral("PBRF.r0=11 Dateipfad")));
}

TEST(SettingSections, UnknownAddressesNameTheNearestAndSwitchesTakeOneOrZero)
{
    ProgramState state;
    EXPECT_TRUE(failureOf(state, "PBCH.act_pfd=1").contains(QStringLiteral("PBCH.act_pfad")));
    EXPECT_TRUE(failureOf(state, "PBXX.act_pfad=1").contains(QStringLiteral("PBCH.act_pfad")));
    EXPECT_TRUE(failureOf(state, "es.or=1").contains(QStringLiteral("ES.OR")));
    EXPECT_FALSE(failureOf(state, "PBCH.act_pfad=yes").isEmpty());
    EXPECT_FALSE(failureOf(state, "PBCH.act_pfad").isEmpty());
    EXPECT_FALSE(state.settings.isOn(SettingsWindow::PB, QStringLiteral("act_pfad")));
}
