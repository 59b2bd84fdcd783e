#pragma once
// The check boxes of the profile window, top to bottom: one per option group of the main
// window with the settings a profile then holds, in the order of writing, and the two boxes
// without settings of their own, "opt_order" (the column order) and "alle" (all boxes at once).
#include "common/language.h"

#include <QVector>

struct ProfileGroup {
    const char *checkBox;
    BilingualText caption;
    QVector<const char *> settings;
};

const QVector<ProfileGroup> &profileGroups();
