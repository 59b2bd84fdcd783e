#include "common/setting_ids.h"

#include <QHash>
#include <array>

namespace {

// The words of the table's reset column.
constexpr SettingReset keep{};
constexpr SettingReset reset(int step, const char *value)
{
    return {ResetRule::Value, step, value};
}
constexpr SettingReset fresh(int step)
{
    return {ResetRule::FreshValue, step, nullptr};
}
constexpr SettingReset inLanguage(int step)
{
    return {ResetRule::InLanguage, step, nullptr};
}

constexpr int windowCount = int(std::size(allSettingsWindows));
constexpr int kindCount = int(SettingKind::Panel) + 1;

struct Lookups {
    QVector<QString> names;
    std::array<QHash<QString, SettingId>, windowCount> byName;
    std::array<std::array<QVector<SettingId>, kindCount>, windowCount> byKind;
};

const Lookups &lookups()
{
    static const Lookups made = [] {
        Lookups lookups;
        const QVector<SettingDefinition> &definitions = settingDefinitions();
        for (int index = 0; index < definitions.size(); ++index) {
            const SettingDefinition &definition = definitions[index];
            const QString name = QString::fromUtf8(definition.name);
            lookups.names.append(name);
            lookups.byName[int(definition.window)].insert(name, SettingId(index));
            lookups.byKind[int(definition.window)][int(definition.kind)].append(SettingId(index));
        }
        return lookups;
    }();
    return made;
}

} // namespace

QString windowPrefix(SettingsWindow window)
{
    switch (window) {
    case SettingsWindow::PB:
        return QStringLiteral("PB");
    case SettingsWindow::PF:
        return QStringLiteral("PF");
    case SettingsWindow::EA:
        return QStringLiteral("EA");
    case SettingsWindow::PS:
        return QStringLiteral("PS");
    case SettingsWindow::DU:
        return QStringLiteral("DU");
    case SettingsWindow::DF:
        return QStringLiteral("DF");
    case SettingsWindow::SC:
        return QStringLiteral("SC");
    }
    return {};
}

QString kindSuffix(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Text:
        return QStringLiteral("ED");
    case SettingKind::Choice:
        return QStringLiteral("CB");
    case SettingKind::Radio:
        return QStringLiteral("RB");
    case SettingKind::Check:
        return QStringLiteral("CH");
    case SettingKind::Panel:
        return QStringLiteral("PA");
    }
    return {};
}

const QVector<SettingDefinition> &settingDefinitions()
{
    static const QVector<SettingDefinition> definitions = {
#define SETTING(window, kind, name, value, resetRule, ...)                                                   \
    {SettingsWindow::window, SettingKind::kind, #name, value, resetRule, "" #__VA_ARGS__},
#include "common/setting_table.h"
#undef SETTING
    };
    return definitions;
}

const QString &nameOf(SettingId id)
{
    return lookups().names[int(id)];
}

std::optional<SettingId> findSetting(SettingsWindow window, const QString &name)
{
    const QHash<QString, SettingId> &names = lookups().byName[int(window)];
    const auto found = names.constFind(name);
    if (found == names.cend())
        return std::nullopt;
    return *found;
}

const QVector<SettingId> &settingsOf(SettingsWindow window, SettingKind kind)
{
    return lookups().byKind[int(window)][int(kind)];
}
