#pragma once
// The texts of the column and layout options in both languages, and the items of their
// drop-down lists. A row may name several components, separated by spaces.
#include "common/language.h"
#include "common/prog_captions.h"
#include "common/setting_ids.h"

#include <QStringList>

const QVector<ControlText> &designTexts();
QStringList textComponents(const ControlText &text);

// The items of a drop-down list of the options in the given language; empty for other names.
QStringList designChoiceItems(SettingId component, Language language);
// The drop-down lists that also take a typed text of the user's own.
bool isFreeTextChoice(SettingId component);
// The last item of the yes/no, padding and delimiter lists, which asks for a text of one's own.
bool isCustomChoice(const QString &text);
