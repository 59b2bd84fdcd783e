#pragma once
// The file dialogs of configurations: one to save a configuration or a profile, one to load
// either. Both start in the configuration folder and add ".tbx" to a name typed without an
// extension. Saving never asks before using an existing file (the save merges into it), and
// loading takes a name that does not exist. An empty path means the dialog was cancelled.
#include "common/language.h"

#include <QString>

class QWidget;

QString chooseConfigurationToSave(QWidget *parent, Language language);
QString chooseConfigurationToLoad(QWidget *parent, Language language);
