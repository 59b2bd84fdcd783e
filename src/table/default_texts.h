#pragma once
// The texts of Settings that come with a language: column headers, the title, the yes/no
// texts, the grouping choice, the output format item and the column-order entries. A language
// switch carries the texts over by replacement: the other language's default text becomes this
// language's, and any text of the user's own stays. Column-order entries are written anew from
// their numbers.
#include "common/language.h"
#include "common/settings.h"

// Brings every language-dependent default text of the settings into the language. The window's
// language switch and the command line's --lang both run it, so both write the same table.
void translateDefaultTexts(Settings &settings, Language language);
