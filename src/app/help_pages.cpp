#include "app/help_pages.h"

namespace {

// Page file names per language, in the order of HelpPage.
const struct {
    Language language;
    const char *names[3];
} pageNames[] = {
    {Language::German, {"einfuehrung.html", "empfehlungen.html", "lizenz.html"}},
    {Language::English, {"introduction.html", "regards.html", "licence.html"}},
};

constexpr HelpPage allPages[] = {HelpPage::Introduction, HelpPage::Recommendations, HelpPage::Licence};

QString resourcePath(HelpPage page, Language language)
{
    for (const auto &set : pageNames)
        if (set.language == language)
            return QStringLiteral("/help/") + languageCode(language) + u'/' +
                   QString::fromUtf8(set.names[static_cast<int>(page)]);
    return {};
}

} // namespace

QUrl helpPageUrl(HelpPage page, Language language)
{
    QUrl url;
    url.setScheme(QStringLiteral("qrc"));
    url.setPath(resourcePath(page, language));
    return url;
}

std::optional<HelpPlace> helpPlaceOf(const QUrl &url)
{
    if (url.scheme() != u"qrc")
        return std::nullopt;
    for (const auto &set : pageNames)
        for (const HelpPage page : allPages)
            if (url.path() == resourcePath(page, set.language))
                return HelpPlace{page, set.language};
    return std::nullopt;
}

QStringList helpPageResources()
{
    QStringList paths;
    for (const auto &set : pageNames)
        for (const HelpPage page : allPages)
            paths.append(u':' + resourcePath(page, set.language));
    return paths;
}
