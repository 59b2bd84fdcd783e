#include "collect/file_icons.h"

#include "common/paths.h"

#include <QFileInfo>

int FileIcons::fileIconNumber(const QString &path)
{
    const QString key = formatOfExtension(path).trimmed();
    if (const auto found = m_byExtension.constFind(key); found != m_byExtension.constEnd())
        return *found;
    const int index = addIcon(m_types.mimeTypeForFile(path, QMimeDatabase::MatchExtension));
    // The theme does not change while the program runs, so a missing icon is remembered too.
    m_byExtension.insert(key, index);
    return index;
}

int FileIcons::iconOfPath(const QString &path)
{
    const QMimeType type = m_types.mimeTypeForFile(QFileInfo(path), QMimeDatabase::MatchExtension);
    if (const auto found = m_byType.constFind(type.name()); found != m_byType.constEnd())
        return *found;
    const int index = addIcon(type);
    m_byType.insert(type.name(), index);
    return index;
}

QIcon FileIcons::icon(int index) const
{
    return index >= 0 && index < m_icons.size() ? m_icons.at(index) : QIcon();
}

int FileIcons::addIcon(const QMimeType &type)
{
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        return -1;
    m_icons.append(icon);
    return int(m_icons.size() - 1);
}
