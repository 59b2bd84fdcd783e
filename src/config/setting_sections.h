#pragma once
// Settings addressed as configuration files name them: a section (window prefix and kind,
// "PBCH"; "PBRF" for the column order; "ES" for the adding switches) and a key.
#include <QStringList>

#include "common/settings.h"

// Sets "SECTION.KEY=VALUE" with the reactions a change in the window has. Switches take
// "1" or "0". An unknown address or a bad value throws TabulixError naming the nearest key.
void applySettingAssignment(Settings &settings, const QString &assignment);

// Every setting as "SECTION.KEY=VALUE", section by section in control order.
QStringList listSettings(const Settings &settings);
