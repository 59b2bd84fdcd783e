#pragma once
// The list's icon list: icons from the desktop's icon theme, one per extension key for files
// and one per file type for folders and refreshed rows, so the list stays small.
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QVector>

class FileIcons {
public:
    // The icon of the first file added with the path's extension key; -1 when the theme has
    // none. All files with one extension share that icon.
    int fileIconNumber(const QString &path);
    // The icon of the path's own type: folders and refreshed rows.
    int iconOfPath(const QString &path);

    QIcon icon(int index) const;
    int count() const { return int(m_icons.size()); }

private:
    int addIcon(const QMimeType &type);

    QMimeDatabase m_types;
    QVector<QIcon> m_icons;
    QHash<QString, int> m_byExtension;
    QHash<QString, int> m_byType;
};
