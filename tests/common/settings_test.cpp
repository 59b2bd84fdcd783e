#include "common/settings.h"
#include "common/tabulix_error.h"

#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// A handle reads only as its kind: a text is no switch, a switch no text.
template <auto Handle>
concept ReadsAsSwitch = requires(const Settings &settings)
{
    settings.isOn(Handle);
};
template <auto Handle>
concept ReadsAsText = requires(const Settings &settings)
{
    settings.value(Handle);
};
static_assert(ReadsAsSwitch<PB::act_name> && !ReadsAsText<PB::act_name>);
static_assert(ReadsAsText<PB::act_name_ed> && !ReadsAsSwitch<PB::act_name_ed>);
static_assert(ReadsAsText<PB::out_format> && ReadsAsSwitch<EA::rb_utf8> && ReadsAsSwitch<PB::Panel1>);

} // namespace

TEST(Settings, TheTableNamesEachSettingOnceAndFindsItByName)
{
    const QVector<SettingDefinition> &table = settingDefinitions();
    ASSERT_EQ(table.size(), SettingCount);
    QSet<QString> keys;
    for (int index = 0; index < SettingCount; ++index) {
        const SettingId id = SettingId(index);
        const SettingDefinition &definition = definitionOf(id);
        const QString key = windowPrefix(definition.window) + u'.' + nameOf(id);
        EXPECT_FALSE(keys.contains(key)) << qPrintable(key);
        keys.insert(key);
        EXPECT_EQ(findSetting(definition.window, nameOf(id)), id) << qPrintable(key);
        EXPECT_TRUE(settingsOf(definition.window, definition.kind).contains(id)) << qPrintable(key);
        // Radio buttons and only they belong to a group; switches hold "1" or "0" in both columns.
        EXPECT_EQ(definition.kind == SettingKind::Radio, *definition.radioGroup != 0) << qPrintable(key);
        if (isSwitchKind(definition.kind)) {
            EXPECT_TRUE(qstrcmp(definition.value, "1") == 0 || qstrcmp(definition.value, "0") == 0)
                << qPrintable(key);
            if (definition.reset.rule == ResetRule::Value) {
                EXPECT_TRUE(qstrcmp(definition.reset.value, "1") == 0 ||
                            qstrcmp(definition.reset.value, "0") == 0)
                    << qPrintable(key);
            }
        }
        if (definition.reset.rule != ResetRule::Keep) {
            EXPECT_TRUE(QList<int>({2, 3, 4, 5, 8, 9, 10}).contains(definition.reset.step))
                << qPrintable(key);
        }
    }
    // Names repeat only across windows.
    EXPECT_EQ(findSetting(SettingsWindow::PF, QStringLiteral("alle")), PF::alle);
    EXPECT_EQ(findSetting(SettingsWindow::DF, QStringLiteral("alle")), DF::alle);
    EXPECT_EQ(findSetting(SettingsWindow::PB, QStringLiteral("alle")), std::nullopt);
    Settings settings;
    EXPECT_THROW(settings.value(SettingsWindow::PB, QStringLiteral("alle")), TabulixError);
    EXPECT_EQ(windowPrefix(SettingsWindow::PB) + kindSuffix(SettingKind::Check), QStringLiteral("PBCH"));
}

TEST(Settings, FreshStartReadsTheTablesValuesWhicheverWayItIsAsked)
{
    Settings settings;
    for (int index = 0; index < SettingCount; ++index) {
        const SettingId id = SettingId(index);
        const SettingDefinition &definition = definitionOf(id);
        EXPECT_EQ(settings.value(id), QString::fromUtf8(definition.value)) << qPrintable(nameOf(id));
        EXPECT_EQ(settings.value(definition.window, nameOf(id)), settings.value(id))
            << qPrintable(nameOf(id));
    }
    EXPECT_EQ(settings.value(PB::des_tab_z), QStringLiteral("; "));
    EXPECT_TRUE(settings.isOn(EA::rb_utf8));
    EXPECT_FALSE(settings.isOn(PF::cb_media));
    EXPECT_EQ(settings.columnOrder(), defaultColumnOrder(Language::German));
    EXPECT_EQ(defaultColumnOrder(Language::English).last(), QStringLiteral("12 Checksums"));

    // A copy of the values reads the same and changes on its own.
    Settings copy(settings.values());
    copy.setValue(PB::act_size_einheit, QStringLiteral("MB"));
    EXPECT_EQ(settings.value(PB::act_size_einheit), QStringLiteral("KB"));
    EXPECT_EQ(Settings().value(PB::act_size_einheit), QStringLiteral("KB"));
}

TEST(Settings, ChangesAreAnnouncedOnceToEveryoneAndToTheWatchersOfThatSetting)
{
    Settings settings;
    QSignalSpy spy(&settings, &Settings::changed);
    int unitChanges = 0;
    int folderChanges = 0;
    qsizetype announcedBefore = -1;
    QObject context;
    // The setting's watchers run before everyone else hears of the change.
    settings.watch(PB::act_size_einheit, &context, [&] {
        ++unitChanges;
        announcedBefore = spy.count();
    });
    settings.watch(PB::inp_ordner, &context, [&] { ++folderChanges; });
    settings.setValue(PB::act_size_einheit, QStringLiteral("MB"));
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_size_einheit"), QStringLiteral("MB"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<SettingId>(), PB::act_size_einheit);
    EXPECT_EQ(unitChanges, 1);
    EXPECT_EQ(announcedBefore, 0);
    EXPECT_EQ(folderChanges, 0);

    // Switches keep "1" or "0" whatever they are given.
    settings.setValue(SettingsWindow::PB, QStringLiteral("act_pfad"), QStringLiteral("yes"));
    EXPECT_FALSE(settings.isOn(PB::act_pfad));
    settings.setOn(PB::act_pfad, true);
    EXPECT_EQ(settings.value(SettingsWindow::PB, QStringLiteral("act_pfad")), QStringLiteral("1"));
}

TEST(Settings, RadioButtonsSwitchOnlyTheirOwnGroupsSiblingsOff)
{
    Settings settings;
    settings.setOn(PB::des_grup_ja, true);
    EXPECT_FALSE(settings.isOn(PB::des_grup_nein));
    // The padding group is another group of the same window.
    EXPECT_TRUE(settings.isOn(PB::des_tab_padding));

    settings.setOn(EA::rb_utf16le, true);
    int on = 0;
    for (const SettingId radio : settingsOf(SettingsWindow::EA, SettingKind::Radio))
        on += settings.isOn(radio);
    EXPECT_EQ(on, 1);

    // Switching the current button off leaves the group without one.
    settings.setOn(EA::rb_utf16le, false);
    EXPECT_FALSE(settings.isOn(EA::rb_utf8));
}
