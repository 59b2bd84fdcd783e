#include "common/path_shortener.h"

#include "common/minimize_path.h"
#include "common/paths.h"

namespace {

// Folders kept at most; a list with more starts over, so memory stays bounded.
constexpr qsizetype MaxKeptFolders = 4096;

// The model of a folder step followed by a name that was modelled after a "/".
std::optional<TextFit::Width> joined(const std::optional<TextFit::Width> &folder,
                                     const std::optional<TextFit::Width> &name)
{
    if (!folder || !name || folder->last != u'/')
        return std::nullopt;
    return TextFit::Width{folder->units + name->units, folder->latin || name->latin, name->last};
}

} // namespace

PathShortener::PathShortener(const QFont &font, int maxWidth) : m_fit(font), m_maxWidth(maxWidth) {}

QString PathShortener::shortened(const QString &path)
{
    const QString name = namePart(path);
    const std::optional<TextFit::Width> nameWidth = m_fit.model(name, u'/');
    for (const FolderStep &step : stepsOf(folderPart(path))) {
        QString candidate = step.folder + name;
        if (m_fit.fits(candidate, joined(step.width, nameWidth), m_maxWidth))
            return candidate;
    }
    return name;
}

const QList<PathShortener::FolderStep> &PathShortener::stepsOf(const QString &folder)
{
    auto known = m_folders.constFind(folder);
    if (known != m_folders.cend())
        return *known;
    if (m_folders.size() >= MaxKeptFolders)
        m_folders.clear();
    QList<FolderStep> steps;
    for (const QString &step : folderSteps(folder))
        steps.append({step, m_fit.model(step)});
    return *m_folders.insert(folder, steps);
}
