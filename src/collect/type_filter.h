#pragma once
// The file-type filter of folder searches: its check boxes and captions, the name patterns
// its settings give the folder walk, and which of its controls can be used.
#include "common/language.h"
#include "common/settings.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One check box of the filter window: a group box, or a category with its extension field.
struct FilterBox {
    CheckSetting box;
    std::optional<CheckSetting> group; // the group box gating a member category
    std::optional<TextSetting> field;  // the extension field; none for a group box
    BilingualText caption;
};

// Every check box in the window's order, each group box before its members.
const QVector<FilterBox> &filterBoxes();

// The window's other texts: its caption, the radio buttons PF::alle and PF::auswahl, "Button1".
enum class FilterText { Caption, All, Selection, Ok };
QString filterText(FilterText text, Language language);
QString filterCaption(const FilterBox &box, Language language);

// The name patterns of a folder search: {".*"} for all files, else one ".ext" per listed
// extension of the counting categories, repeats kept. Empty when nothing counts.
QStringList filterPatterns(const Settings &settings);

// Whether the radio button, check box or extension field of the window is enabled under the
// given values. Throws TabulixError for a setting that is not one of its controls.
bool filterControlEnabled(const Settings &settings, SettingId control);
