#pragma once
// Texts of the column options that the user may have edited follow a language switch by
// replacement: the other language's default text becomes this language's, any other text stays.
#include "common/language.h"
#include "common/settings.h"

// Replaces the other language's defaults in the header fields, the title, the yes/no texts and
// the custom items; a grouping choice of the other language becomes the item at the same place.
void translateDesignTexts(Settings &settings, Language language);
