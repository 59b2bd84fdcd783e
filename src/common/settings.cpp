#include "common/settings.h"

#include "common/tabulix_error.h"

namespace {

QString keyOf(SettingsWindow window, const QString &name)
{
    return windowPrefix(window) + u'.' + name;
}

QString normalisedSwitch(const QString &value)
{
    return value == u"1" ? QStringLiteral("1") : QStringLiteral("0");
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

bool isSwitchKind(SettingKind kind)
{
    return kind == SettingKind::Radio || kind == SettingKind::Check || kind == SettingKind::Panel;
}

Settings::Settings(QObject *parent) : QObject(parent)
{
    for (const SettingDefinition &definition : settingDefinitions()) {
        const QString name = QString::fromUtf8(definition.name);
        m_values.entries.insert(
            keyOf(definition.window, name),
            Entry{definition.kind, QString::fromUtf8(definition.value),
                  definition.radioGroup ? QString::fromUtf8(definition.radioGroup) : QString()});
        m_values.order[definition.window].append(name);
    }
    m_values.columnOrder = defaultColumnOrder(Language::German);
}

bool Settings::contains(SettingsWindow window, const QString &name) const
{
    return m_values.entries.contains(keyOf(window, name));
}

const Settings::Entry &Settings::entry(SettingsWindow window, const QString &name) const
{
    const auto found = m_values.entries.constFind(keyOf(window, name));
    if (found == m_values.entries.cend())
        throw TabulixError(QStringLiteral("Unknown setting %1").arg(keyOf(window, name)));
    return *found;
}

SettingKind Settings::kind(SettingsWindow window, const QString &name) const
{
    return entry(window, name).kind;
}

QString Settings::value(SettingsWindow window, const QString &name) const
{
    return entry(window, name).value;
}

bool Settings::isOn(SettingsWindow window, const QString &name) const
{
    return entry(window, name).value == u"1";
}

void Settings::store(SettingsWindow window, const QString &name, const QString &value)
{
    Entry &target = m_values.entries[keyOf(window, name)];
    if (target.value == value)
        return;
    target.value = value;
    Q_EMIT changed(window, name);
}

void Settings::setValue(SettingsWindow window, const QString &name, const QString &value)
{
    const Entry &current = entry(window, name);
    if (!isSwitchKind(current.kind)) {
        store(window, name, value);
        return;
    }
    const QString switchValue = normalisedSwitch(value);
    if (current.kind == SettingKind::Radio && switchValue == u"1") {
        // Siblings go off first, so a reaction to the new button sees a consistent group.
        const QString group = current.radioGroup;
        for (const QString &sibling : m_values.order.value(window)) {
            const Entry &other = m_values.entries[keyOf(window, sibling)];
            if (sibling != name && other.kind == SettingKind::Radio && other.radioGroup == group)
                store(window, sibling, QStringLiteral("0"));
        }
    }
    store(window, name, switchValue);
}

void Settings::setOn(SettingsWindow window, const QString &name, bool on)
{
    setValue(window, name, on ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList Settings::controlOrder(SettingsWindow window, SettingKind kind) const
{
    QStringList names;
    for (const QString &name : m_values.order.value(window))
        if (m_values.entries[keyOf(window, name)].kind == kind)
            names.append(name);
    return names;
}

void Settings::setColumnOrder(const QStringList &entries)
{
    if (entries == m_values.columnOrder)
        return;
    m_values.columnOrder = entries;
    Q_EMIT columnOrderChanged();
}

void Settings::resetToDefaults(Language language)
{
    for (const SettingDefinition &definition : settingDefinitions())
        setValue(definition.window, QString::fromUtf8(definition.name), QString::fromUtf8(definition.value));
    setColumnOrder(defaultColumnOrder(language));
}

void Settings::setLanguage(Language language)
{
    if (language == m_values.language)
        return;
    m_values.language = language;
    Q_EMIT languageChanged(language);
}

bool Settings::isOn(MenuSwitch menuSwitch) const
{
    return m_values.menuSwitches.value(menuSwitch);
}

void Settings::setOn(MenuSwitch menuSwitch, bool on)
{
    if (m_values.menuSwitches.value(menuSwitch) == on)
        return;
    m_values.menuSwitches.insert(menuSwitch, on);
    Q_EMIT menuSwitchChanged(menuSwitch);
}

void Settings::setPictureFont(const StyledFont &font)
{
    if (font == m_values.pictureFont)
        return;
    m_values.pictureFont = font;
    Q_EMIT pictureFontChanged();
}

void Settings::setTextViewLook(const TextViewLook &look)
{
    if (look == m_values.textViewLook)
        return;
    m_values.textViewLook = look;
    Q_EMIT textViewLookChanged();
}

void Settings::setMainPlacement(const MainWindowPlacement &placement)
{
    if (placement == m_values.mainPlacement)
        return;
    m_values.mainPlacement = placement;
    Q_EMIT mainPlacementChanged();
}

void Settings::setRenamerPlacement(const WindowPlacement &placement)
{
    if (placement == m_values.renamerPlacement)
        return;
    m_values.renamerPlacement = placement;
    Q_EMIT renamerPlacementChanged();
}
