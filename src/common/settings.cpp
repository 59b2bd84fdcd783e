#include "common/settings.h"

#include "common/tabulix_error.h"

namespace {

QString normalisedSwitch(const QString &value)
{
    return value == u"1" ? QStringLiteral("1") : QStringLiteral("0");
}

// The values of a fresh start, shared by every Settings made until one changes.
const Settings::Values &freshValues()
{
    static const Settings::Values values = [] {
        Settings::Values fresh;
        for (const SettingDefinition &definition : settingDefinitions())
            fresh.values.append(QString::fromUtf8(definition.value));
        fresh.columnOrder = defaultColumnOrder(Language::German);
        return fresh;
    }();
    return values;
}

} // namespace

Settings::Settings(QObject *parent) : QObject(parent), m_values(freshValues()) {}

SettingId Settings::idOf(SettingsWindow window, const QString &name) const
{
    if (const std::optional<SettingId> id = findSetting(window, name))
        return *id;
    throw TabulixError(QStringLiteral("Unknown setting %1.%2").arg(windowPrefix(window), name));
}

bool Settings::contains(SettingsWindow window, const QString &name) const
{
    return findSetting(window, name).has_value();
}

SettingKind Settings::kind(SettingsWindow window, const QString &name) const
{
    return definitionOf(idOf(window, name)).kind;
}

QString Settings::value(SettingsWindow window, const QString &name) const
{
    return value(idOf(window, name));
}

bool Settings::isOn(SettingsWindow window, const QString &name) const
{
    return isOn(idOf(window, name));
}

void Settings::store(SettingId id, const QString &value)
{
    QString &target = m_values.values[int(id)];
    if (target == value)
        return;
    target = value;
    // The setting's own watchers, its controls among them, come first, so that reactions to
    // any change see every control showing its value.
    if (SettingSignal *signal = m_signals.empty() ? nullptr : m_signals[int(id)])
        Q_EMIT signal->changed();
    Q_EMIT changed(id);
}

void Settings::setValue(SettingId id, const QString &value)
{
    const SettingDefinition &definition = definitionOf(id);
    if (!isSwitchKind(definition.kind)) {
        store(id, value);
        return;
    }
    const QString switchValue = normalisedSwitch(value);
    if (definition.kind == SettingKind::Radio && switchValue == u"1") {
        // Siblings go off first, so a reaction to the new button sees a consistent group.
        for (const SettingId sibling : settingsOf(definition.window, SettingKind::Radio))
            if (sibling != id && qstrcmp(definitionOf(sibling).radioGroup, definition.radioGroup) == 0)
                store(sibling, QStringLiteral("0"));
    }
    store(id, switchValue);
}

void Settings::setValue(SettingsWindow window, const QString &name, const QString &value)
{
    setValue(idOf(window, name), value);
}

void Settings::setOn(SettingsWindow window, const QString &name, bool on)
{
    setValue(idOf(window, name), on ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList Settings::controlOrder(SettingsWindow window, SettingKind kind) const
{
    QStringList names;
    for (const SettingId id : settingsOf(window, kind))
        names.append(nameOf(id));
    return names;
}

SettingSignal *Settings::signalOf(SettingId id)
{
    if (m_signals.empty())
        m_signals.resize(SettingCount, nullptr);
    SettingSignal *&signal = m_signals[int(id)];
    if (!signal)
        signal = new SettingSignal(this);
    return signal;
}

void Settings::setColumnOrder(const QStringList &entries)
{
    if (entries == m_values.columnOrder)
        return;
    m_values.columnOrder = entries;
    Q_EMIT columnOrderChanged();
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

QStringList defaultColumnOrder(Language language)
{
    if (!isGerman(language))
        return {QStringLiteral("01 Filename"),     QStringLiteral("02 Format"),
                QStringLiteral("03 Windows Type"), QStringLiteral("04 File Size"),
                QStringLiteral("05 Created"),      QStringLiteral("06 Accessed"),
                QStringLiteral("07 Changed"),      QStringLiteral("08 Hidden"),
                QStringLiteral("09 Read Only"),    QStringLiteral("10 Associated Application"),
                QStringLiteral("11 File Path"),    QStringLiteral("12 Checksums")};
    return {QStringLiteral("01 Dateiname"),        QStringLiteral("02 Format"),
            QStringLiteral("03 Windows Typ"),      QStringLiteral("04 Dateigröße"),
            QStringLiteral("05 Erstellt"),         QStringLiteral("06 Zugegriffen"),
            QStringLiteral("07 Geändert"),         QStringLiteral("08 Versteckt"),
            QStringLiteral("09 Schreibgeschützt"), QStringLiteral("10 Verknüpftes Programm"),
            QStringLiteral("11 Dateipfad"),        QStringLiteral("12 Prüfsummen")};
}
