#include "ui/u_settings_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Runs `show` now and whenever the setting the control is named after changes.
template <typename Show>
void followSetting(QWidget *control, Settings &settings, SettingsWindow window, Show show)
{
    const QString name = control->objectName();
    show(settings.value(window, name));
    const SettingId id = *findSetting(window, name);
    settings.watch(id, control, [&settings, id, show] { show(settings.value(id)); });
}

// Shows a setting's value; never writes it back, so a value that a fixed list lacks survives.
void showChoice(QComboBox *control, const QString &value)
{
    // Text the user is typing already shows; its cursor and selection stay alone.
    if (control->currentText() == value)
        return;
    const QSignalBlocker quiet(control);
    const int item = control->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0 && item != control->currentIndex())
        control->setCurrentIndex(item);
    if (control->isEditable() && control->currentText() != value)
        control->setEditText(value);
    if (!control->isEditable() && item < 0)
        control->setCurrentIndex(-1);
}

} // namespace

void bindCheckBox(QCheckBox *control, Settings &settings, SettingsWindow window)
{
    followSetting(control, settings, window,
                  [control](const QString &value) { control->setChecked(value == u"1"); });
    QObject::connect(control, &QCheckBox::toggled, &settings, [control, &settings, window](bool on) {
        settings.setOn(window, control->objectName(), on);
    });
}

void bindRadioButton(QRadioButton *control, Settings &settings, SettingsWindow window)
{
    // Radio groups are kept by the settings; the control only mirrors its own value.
    control->setAutoExclusive(false);
    followSetting(control, settings, window,
                  [control](const QString &value) { control->setChecked(value == u"1"); });
    QObject::connect(control, &QRadioButton::clicked, &settings, [control, &settings, window] {
        settings.setOn(window, control->objectName(), true);
        // Without auto-exclusion a click on the chosen button unchecks it; it stays chosen.
        control->setChecked(true);
    });
}

void bindLineEdit(QLineEdit *control, Settings &settings, SettingsWindow window)
{
    followSetting(control, settings, window, [control](const QString &value) {
        // Text set by the program shows from its start, as a long extension list reads best.
        if (control->text() != value) {
            control->setText(value);
            control->setCursorPosition(0);
        }
    });
    QObject::connect(control, &QLineEdit::textChanged, &settings,
                     [control, &settings, window](const QString &text) {
                         settings.setValue(window, control->objectName(), text);
                     });
}

void bindPanel(QWidget *panel, Settings &settings, SettingsWindow window)
{
    followSetting(panel, settings, window,
                  [panel](const QString &value) { panel->setVisible(value == u"1"); });
}

void bindComboBox(QComboBox *control, Settings &settings, SettingsWindow window)
{
    // Typed texts stay texts; they never become items of the list.
    control->setInsertPolicy(QComboBox::NoInsert);
    followSetting(control, settings, window, [control](const QString &value) { showChoice(control, value); });
    QObject::connect(control, &QComboBox::currentTextChanged, &settings,
                     [control, &settings, window](const QString &text) {
                         settings.setValue(window, control->objectName(), text);
                     });
}

void setChoiceItems(QComboBox *control, const QStringList &items, const Settings &settings,
                    SettingsWindow window)
{
    const QSignalBlocker quiet(control);
    control->clear();
    control->addItems(items);
    showChoice(control, settings.value(window, control->objectName()));
}
