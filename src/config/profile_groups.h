#pragma once
// The check boxes of the profile window, top to bottom: one per option group of the main
// window with the settings a profile then holds, in the order of writing, and the two boxes
// without settings of their own, opt_order (the column order) and alle (all boxes at once).
#include "common/language.h"
#include "common/setting_ids.h"

#include <QVector>

struct ProfileGroup {
    CheckSetting checkBox;
    BilingualText caption;
    QVector<SettingId> settings;
};

const QVector<ProfileGroup> &profileGroups();
