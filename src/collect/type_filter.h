#pragma once
// The file-type filter of folder searches: its check boxes and captions, the name patterns
// its settings give the folder walk, and which of its controls can be used.
#include "common/language.h"
#include "common/settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One check box of the filter window: a group box, or a category with an extension field
// whose name is the box's name with "cb_" replaced by "ed_".
struct FilterBox {
    const char *box;
    const char *group; // the group box gating a member category; nullptr otherwise
    bool isGroup;
    BilingualText caption;
};

// Every check box in the window's order, each group box before its members.
const QVector<FilterBox> &filterBoxes();
QString filterFieldName(const FilterBox &box);

// The window's other texts: its caption, the radio buttons "alle" and "auswahl", "Button1".
enum class FilterText { Caption, All, Selection, Ok };
QString filterText(FilterText text, Language language);
QString filterCaption(const FilterBox &box, Language language);

// The name patterns of a folder search: {".*"} for all files, else one ".ext" per listed
// extension of the counting categories, repeats kept. Empty when nothing counts.
QStringList filterPatterns(const Settings &settings);

// Whether the named radio button, check box or extension field of the window is enabled
// under the given values. Throws TabulixError for a name that is not one of its controls.
bool filterControlEnabled(const Settings &settings, const QString &controlName);
