#pragma once
// Qt's own texts (file, folder, font and colour dialogs, standard buttons) in the interface
// language, from the translations Qt installs beside itself.
#include "common/language.h"

// Installs Qt's German texts for German and removes them for English. False when Qt's texts
// cannot follow: its German translation is not installed, so its own English stays.
bool useQtTranslations(Language language);
