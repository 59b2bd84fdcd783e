#include "config/configuration_file.h"

#include "config/ini_file.h"
#include "config/menu_switch_keys.h"
#include "config/stored_looks.h"
#include "config/stored_placements.h"
#include "config/stored_settings.h"
#include "table/default_texts.h"

namespace {

const SettingKind storedKinds[] = {SettingKind::Text, SettingKind::Choice, SettingKind::Radio,
                                   SettingKind::Check, SettingKind::Panel};

// "PBED", "PFCH", ...: made once, since every setting written looks its section up.
const QString &sectionOf(SettingsWindow window, SettingKind kind)
{
    static const auto sections = [] {
        std::array<std::array<QString, std::size(storedKinds)>, std::size(allSettingsWindows)> names;
        for (const SettingsWindow each : allSettingsWindows)
            for (const SettingKind stored : storedKinds)
                names[int(each)][int(stored)] = windowPrefix(each) + kindSuffix(stored);
        return names;
    }();
    return sections[int(window)][int(kind)];
}

// "r0", "r1", ...: the keys of the column order, made once.
QString columnOrderKey(qsizetype index)
{
    static const QStringList keys = [] {
        QStringList made;
        for (qsizetype each = 0; each < Settings().columnOrder().size(); ++each)
            made.append(QStringLiteral("r%1").arg(each));
        return made;
    }();
    return index < keys.size() ? keys[index] : QStringLiteral("r%1").arg(index);
}

void writeWindow(const Settings &settings, IniDocument &document, SettingsWindow window)
{
    for (const SettingKind kind : storedKinds)
        for (const SettingId setting : settingsOf(window, kind))
            writeSetting(settings, document, setting);
}

void writeLooks(const Settings &settings, IniDocument &document)
{
    const TextViewLook look = settings.textViewLook();
    const QString preview = QStringLiteral("FC");
    document.writeNumber(preview, QStringLiteral("COL"),
                         colourValue(look.background, DesktopBackgroundValue));
    writeStyledFont(document, preview, look.font);
    document.writeFlag(preview, QStringLiteral("SCB"), !look.wraps);
    writeStyledFont(document, QStringLiteral("FCE"), settings.pictureFont());
}

// The number of entries never changes, so a file cannot make the list longer or shorter.
void readColumnOrder(Settings &settings, const IniDocument &document)
{
    QStringList order = settings.columnOrder();
    for (qsizetype index = 0; index < order.size(); ++index)
        order[index] = document.readText(QStringLiteral("PBRF"), columnOrderKey(index), order[index]);
    settings.setColumnOrder(order);
}

// Each value goes in as if the user had set it, so the reactions of the controls run; of a
// radio group marked "1" more than once, the last in control order stays on.
void readWindow(Settings &settings, const IniDocument &document, SettingsWindow window)
{
    for (const SettingKind kind : storedKinds) {
        const QString section = sectionOf(window, kind);
        for (const SettingId setting : settingsOf(window, kind)) {
            const QString &name = nameOf(setting);
            if (isSwitchKind(kind))
                settings.setValue(setting, document.readFlag(section, name, settings.isOn(setting))
                                               ? QStringLiteral("1")
                                               : QStringLiteral("0"));
            else
                settings.setValue(setting, document.readText(section, name, settings.value(setting)));
        }
    }
}

void readLooks(Settings &settings, const IniDocument &document)
{
    const QString preview = QStringLiteral("FC");
    TextViewLook look = settings.textViewLook();
    look.background = colourOfValue(document.readNumber(
        preview, QStringLiteral("COL"), colourValue(look.background, DesktopBackgroundValue)));
    look.font = readStyledFont(document, preview, look.font);
    look.wraps = !document.readFlag(preview, QStringLiteral("SCB"), true);
    settings.setTextViewLook(look);
    settings.setPictureFont(readStyledFont(document, QStringLiteral("FCE"), settings.pictureFont()));
}

void readMenuSwitches(Settings &settings, const IniDocument &document)
{
    for (const MenuSwitchKey &menuKey : menuSwitchKeys) {
        const bool fallback =
            menuKey.missingValue < 0 ? settings.isOn(menuKey.menuSwitch) : menuKey.missingValue == 1;
        settings.setOn(menuKey.menuSwitch, document.readFlag(menuKey.section, menuKey.key, fallback));
    }
}

} // namespace

QString guardQuotes(const QString &text)
{
    if (text.size() >= 2 && text.front() == u'\'' && text.back() == u'\'')
        return u'\'' + text + u'\'';
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
        return u'"' + text + u'"';
    return text;
}

void writeSetting(const Settings &settings, IniDocument &document, SettingId setting)
{
    const SettingDefinition &definition = definitionOf(setting);
    const QString &value = settings.value(setting);
    document.writeText(sectionOf(definition.window, definition.kind), nameOf(setting),
                       isSwitchKind(definition.kind) ? value : guardQuotes(value));
}

void writeColumnOrder(const Settings &settings, IniDocument &document)
{
    const QStringList order = settings.columnOrder();
    for (qsizetype index = 0; index < order.size(); ++index)
        document.writeText(QStringLiteral("PBRF"), columnOrderKey(index), order[index]);
}

void writeMenuSwitches(const Settings &settings, IniDocument &document, const char16_t *section)
{
    for (const MenuSwitchKey &menuKey : menuSwitchKeys)
        if (std::u16string_view(menuKey.section) == std::u16string_view(section))
            document.writeFlag(staticText(section), staticText(menuKey.key),
                               settings.isOn(menuKey.menuSwitch));
}

void writeConfiguration(const Settings &settings, IniDocument &document)
{
    writeWindow(settings, document, SettingsWindow::PB);
    writeColumnOrder(settings, document);
    for (const SettingsWindow window : allSettingsWindows)
        if (window != SettingsWindow::PB)
            writeWindow(settings, document, window);
    writeMainPlacement(document, settings.mainPlacement());
    writeRenamerPlacement(document, settings.renamerPlacement());
    writeLooks(settings, document);
    for (const char16_t *section : {u"ES", u"PA", u"AS"})
        writeMenuSwitches(settings, document, section);
}

void applyConfiguration(Settings &settings, const IniDocument &document, const QSize &screen)
{
    readColumnOrder(settings, document);
    for (const SettingsWindow window : allSettingsWindows)
        readWindow(settings, document, window);
    settings.setMainPlacement(readMainPlacement(document, settings.mainPlacement(), screen));
    settings.setRenamerPlacement(readRenamerPlacement(document, settings.renamerPlacement(), screen));
    readLooks(settings, document);
    readMenuSwitches(settings, document);
    // A file of the other language shows this language's default texts and column names.
    translateDefaultTexts(settings, settings.language());
}

void saveConfiguration(const Settings &settings, const QString &path)
{
    IniDocument document = readIniFile(path);
    writeConfiguration(settings, document);
    writeIniFile(path, document);
}

void saveProfile(const Settings &settings, const QString &path)
{
    IniDocument document = readIniFile(path);
    writeProfile(settings, document);
    writeIniFile(path, document);
}

void loadConfiguration(Settings &settings, const QString &path, const QSize &screen, MissingIniFile missing)
{
    applyConfiguration(settings, readIniFile(path, missing), screen);
}

void saveAutomatically(const Settings &settings, const QString &startConfiguration)
{
    if (settings.isOn(MenuSwitch::AutoSaveAll))
        saveConfiguration(settings, startConfiguration);
    if (settings.isOn(MenuSwitch::AutoSaveProfile))
        saveProfile(settings, startConfiguration);
}
