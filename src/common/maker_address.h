#pragma once
// The maker's web address, named in table footers and behind the program's links.
#include <QString>

inline const QString MakerWebAddress = QStringLiteral("https://tabulix.example");
