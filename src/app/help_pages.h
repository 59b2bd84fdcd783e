#pragma once
// The pages of the help window, compiled into the program as resources below ":/help": one set
// per language, "de" and "en", each with an introduction, recommendations and the licence.
#include "common/language.h"

#include <QStringList>
#include <QUrl>

#include <optional>

enum class HelpPage { Introduction, Recommendations, Licence };

struct HelpPlace {
    HelpPage page;
    Language language;
};

// The page's address among the resources, e.g. "qrc:/help/de/einfuehrung.html".
QUrl helpPageUrl(HelpPage page, Language language);
// The page an address names; nothing for an address outside the help pages.
std::optional<HelpPlace> helpPlaceOf(const QUrl &url);
// Every page of every language, as resource paths (":/help/...").
QStringList helpPageResources();
