#pragma once
// The settings table made into types: every setting of every window gets a number and a handle
// whose kind the compiler checks, beside what the table says of it.
#include <QString>
#include <QVector>
#include <optional>

enum class SettingsWindow { PB, PF, EA, PS, DU, DF, SC };
enum class SettingKind { Text, Choice, Radio, Check, Panel };

inline constexpr SettingsWindow allSettingsWindows[] = {
    SettingsWindow::PB, SettingsWindow::PF, SettingsWindow::EA, SettingsWindow::PS,
    SettingsWindow::DU, SettingsWindow::DF, SettingsWindow::SC};

QString windowPrefix(SettingsWindow window); // "PB", "PF", ...
QString kindSuffix(SettingKind kind);        // "ED", "CB", "RB", "CH", "PA"

// Every setting, numbered in the order of the settings table.
enum class SettingId : quint16 {
#define SETTING(window, kind, name, ...) window##_##name,
#include "common/setting_table.h"
#undef SETTING
};
inline constexpr int SettingCount = 0
#define SETTING(...) +1
#include "common/setting_table.h"
#undef SETTING
    ;

// A setting of one kind, checked by the compiler: texts and choices hold a value, radio
// buttons, check boxes and panels are on or off. Any handle also stands for its number, as
// lists of settings of several kinds hold them.
template <SettingKind Kind> struct SettingHandle {
    SettingId id;
    constexpr operator SettingId() const { return id; }
    constexpr bool operator==(const SettingHandle &other) const = default;
};
using TextSetting = SettingHandle<SettingKind::Text>;
using ChoiceSetting = SettingHandle<SettingKind::Choice>;
using RadioSetting = SettingHandle<SettingKind::Radio>;
using CheckSetting = SettingHandle<SettingKind::Check>;
using PanelSetting = SettingHandle<SettingKind::Panel>;
constexpr bool isSwitchKind(SettingKind kind)
{
    return kind == SettingKind::Radio || kind == SettingKind::Check || kind == SettingKind::Panel;
}
template <SettingKind Kind>
concept ValueKind = !isSwitchKind(Kind);
template <SettingKind Kind>
concept SwitchKind = isSwitchKind(Kind);

// The handles, one namespace per window: `PB::act_size_einheit`, `PF::alle`, ...
#define SETTING(window, kind, name, ...)                                                                     \
    namespace window {                                                                                       \
    inline constexpr SettingHandle<SettingKind::kind> name{SettingId::window##_##name};                      \
    }
#include "common/setting_table.h"
#undef SETTING

// What the reset of the menu "Konfiguration" does with a setting, in which of its steps.
enum class ResetRule : quint8 { Keep, Value, FreshValue, InLanguage };
struct SettingReset {
    ResetRule rule = ResetRule::Keep;
    int step = 0;
    const char *value = nullptr;
};

// One row of the settings table.
struct SettingDefinition {
    SettingsWindow window;
    SettingKind kind;
    const char *name;
    const char *value; // of a fresh start
    SettingReset reset;
    const char *radioGroup; // empty but for radio buttons
};

// The settings table, indexed by SettingId.
const QVector<SettingDefinition> &settingDefinitions();
inline const SettingDefinition &definitionOf(SettingId id)
{
    return settingDefinitions()[int(id)];
}
inline SettingsWindow windowOf(SettingId id)
{
    return definitionOf(id).window;
}
// The component name, shared by every caller.
const QString &nameOf(SettingId id);
// The setting a window's control of this name stands for: for names read from files, typed in
// addresses or taken from a control's object name.
std::optional<SettingId> findSetting(SettingsWindow window, const QString &name);
// The settings of one window and kind, in control order (the order of saving).
const QVector<SettingId> &settingsOf(SettingsWindow window, SettingKind kind);
