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
    // A key in the wrong section, or without one, is found by the key alone.
    EXPECT_TRUE(failureOf(state, "PBCB.act_pfad=1").contains(QStringLiteral("did you mean PBCH.act_pfad?")));
    EXPECT_TRUE(failureOf(state, "act_size_einhet=MB").contains(QStringLiteral("PBCB.act_size_einheit")));
    // Nothing near, nothing suggested.
    for (const char *far : {"FOO.bar=1", "x=1", "PBCH.colour=1"}) {
        const QString failure = failureOf(state, far);
        EXPECT_TRUE(failure.startsWith(QStringLiteral("unknown setting")) &&
                    !failure.contains(u"did you mean"))
            << failure.toStdString();
    }
    EXPECT_FALSE(failureOf(state, "PBCH.act_pfad=yes").isEmpty());
    EXPECT_FALSE(failureOf(state, "PBCH.act_pfad").isEmpty());
    EXPECT_FALSE(state.settings.isOn(SettingsWindow::PB, QStringLiteral("act_pfad")));
}

TEST(SettingSections, FixedListsTakeTheirItemsOnlyAndFreeListsAnyText)
{
    ProgramState state;
    const QString unit = failureOf(state, "PBCB.act_size_einheit=XB");
    EXPECT_TRUE(unit.contains(QStringLiteral("\"Byte\", \"KB\", \"MB\", \"GB\", \"TB\"")))
        << unit.toStdString();
    EXPECT_TRUE(failureOf(state, "PBCB.out_format=csv").contains(QStringLiteral("Textdatei (*.txt)")));
    EXPECT_FALSE(failureOf(state, "PBCB.des_grup=Größe").isEmpty());
    EXPECT_FALSE(failureOf(state, "PBCB.act_datum_changed_format=dd-mm").isEmpty());
    EXPECT_EQ(state.settings.value(SettingsWindow::PB, QStringLiteral("act_size_einheit")),
              QStringLiteral("KB"));

    // Items of either language pass, as configuration files of both hold them.
    for (const char *fits :
         {"PBCB.act_size_einheit=TB", "PBCB.out_format=HTML-Table (*.htm)", "PBCB.des_grup=Format",
          "PBCB.act_datum_changed_format=yyyy-mm-dd", "PBCB.act_size_nks=12", "PBCB.des_tab_z= | ",
          "PBCB.act_attribute_hidden_ja=H", "DUCB.maske=%name%-%nr%"})
        EXPECT_TRUE(failureOf(state, fits).isEmpty()) << fits;
    EXPECT_EQ(state.settings.value(SettingsWindow::PB, QStringLiteral("out_format")),
              QStringLiteral("HTML-Table (*.htm)"));
    EXPECT_EQ(state.settings.value(SettingsWindow::PB, QStringLiteral("des_tab_z")), QStringLiteral(" | "));
}
