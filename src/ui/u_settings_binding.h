#pragma once
// Binds option controls to their settings both ways: a user's change sets the value, and a
// value set by anyone (loading, reset, code) shows in the control. The component name is
// the control's objectName.
#include "common/settings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

void bindCheckBox(QCheckBox *control, Settings &settings, SettingsWindow window);
void bindRadioButton(QRadioButton *control, Settings &settings, SettingsWindow window);
void bindLineEdit(QLineEdit *control, Settings &settings, SettingsWindow window);
// A drop-down list: an editable one holds any text, a fixed one only its items (blank otherwise).
void bindComboBox(QComboBox *control, Settings &settings, SettingsWindow window);
// New items for a bound list, which keeps showing its setting; the setting is not written.
void setChoiceItems(QComboBox *control, const QStringList &items, const Settings &settings,
                    SettingsWindow window);
// A layout panel: shown while its setting is "1".
void bindPanel(QWidget *panel, Settings &settings, SettingsWindow window);
