#pragma once
// Every caption of the output settings window in both languages, by object name.
#include "ui/prog_captions.h"

// The object name of the window, the key of its caption.
inline constexpr char outputSettingsWindowName[] = "einstausgabe";

// Every caption of the window, its own first, then its controls in the window's order.
const QVector<ControlText> &outputSettingsCaptions();
// The caption of a component in the language; throws TabulixError for a name without one.
QString outputSettingsCaption(const QString &name, Language language);
