#pragma once
// The maker's web address, named in table footers and behind the program's links.
#include "common/language.h"

#include <QString>

inline const QString MakerWebAddress = QStringLiteral("https://tabulix.example");

// Where users of the language ask for features and report faults.
inline QString makerSupportPage(Language language)
{
    return MakerWebAddress + u'/' + languageCode(language) + QStringLiteral("/support");
}
