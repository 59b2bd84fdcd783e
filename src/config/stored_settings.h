#pragma once
// The steps that complete configurations and profiles share.
#include "common/settings.h"
#include "config/ini_document.h"

// One control's setting under its section (window prefix and kind suffix): texts and choices
// through the quote guard, switches as "1" or "0".
void writeSetting(const Settings &settings, IniDocument &document, SettingId setting);
// PBRF: "r0", "r1", ... with the entries unchanged.
void writeColumnOrder(const Settings &settings, IniDocument &document);
// The menu switches of one section (ES, PA or AS).
void writeMenuSwitches(const Settings &settings, IniDocument &document, const char16_t *section);
