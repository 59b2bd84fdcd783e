// The reset of the menu "Konfiguration": the standard values of the settings it names, step by
// step as the settings table's reset column says; everything it does not name keeps its value.
#include "config/configuration_file.h"
#include "table/default_texts.h"
#include "table/output_format.h"

namespace {

QString resetValue(const SettingDefinition &definition, Language language)
{
    switch (definition.reset.rule) {
    case ResetRule::Value:
        return QString::fromUtf8(definition.reset.value);
    case ResetRule::FreshValue:
        return QString::fromUtf8(definition.value);
    case ResetRule::InLanguage:
        return outFormatItem(OutputFormat::Txt, language);
    case ResetRule::Keep:
        break;
    }
    return {};
}

// One step's settings in table order: values and switches that go on first, then the switches
// that go off, so a radio group is never without a button on.
void resetStep(Settings &settings, int step)
{
    const QVector<SettingDefinition> &definitions = settingDefinitions();
    const auto apply = [&](bool switchesOff) {
        for (int index = 0; index < definitions.size(); ++index) {
            const SettingDefinition &definition = definitions[index];
            if (definition.reset.rule == ResetRule::Keep || definition.reset.step != step)
                continue;
            const QString value = resetValue(definition, settings.language());
            if ((isSwitchKind(definition.kind) && value == u"0") == switchesOff)
                settings.setValue(SettingId(index), value);
        }
    };
    apply(false);
    apply(true);
}

void resetMainPlacement(Settings &settings)
{
    MainWindowPlacement placement = settings.mainPlacement();
    placement.window.maximized = false;
    placement.window.width = 761;
    placement.window.height = 614;
    placement.rightColumnWidth = 316;
    placement.filesAreaHeight = 289;
    settings.setMainPlacement(placement);
}

void resetTextViewLook(Settings &settings)
{
    TextViewLook look = settings.textViewLook();
    look.background = Qt::white;
    look.font.font = QFont(QStringLiteral("Courier New"), look.font.font.pointSize());
    look.font.colour = Qt::black;
    look.wraps = false;
    settings.setTextViewLook(look);
}

} // namespace

void resetToStandard(Settings &settings)
{
    settings.setColumnOrder(defaultColumnOrder(settings.language()));
    for (const int step : {2, 3, 4, 5})
        resetStep(settings, step);
    resetMainPlacement(settings);
    resetTextViewLook(settings);
    resetStep(settings, 8);
    resetStep(settings, 9);
    settings.setPictureFont({QFont(QStringLiteral("Courier New"), 8), Qt::black});
    resetStep(settings, 10);
    settings.setRenamerPlacement({false, settings.renamerPlacement().left, settings.renamerPlacement().top,
                                  RenamerStartWidth, RenamerStartHeight});
    for (const MenuSwitch view :
         {MenuSwitch::ShowInput, MenuSwitch::ShowPreview, MenuSwitch::ShowActions, MenuSwitch::ShowOutput})
        settings.setOn(view, true);
    settings.setOn(MenuSwitch::AutoSaveNever, true);
    settings.setOn(MenuSwitch::AutoSaveProfile, false);
    settings.setOn(MenuSwitch::AutoSaveAll, false);
    translateDefaultTexts(settings, settings.language());
}
