#pragma once
// The items of the drop-down lists of the column and layout options in both languages.
#include "common/language.h"
#include "common/setting_ids.h"

#include <QStringList>

// The items of a drop-down list of the options in the given language; empty for other names.
QStringList designChoiceItems(SettingId component, Language language);
// The drop-down lists that also take a typed text of the user's own.
bool isFreeTextChoice(SettingId component);
// The last item of the yes/no, padding and delimiter lists, which asks for a text of one's own.
bool isCustomChoice(const QString &text);
