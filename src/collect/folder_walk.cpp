#include "collect/folder_walk.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Listing {
    QStringList files;   // sorted names of files and of links to files
    QStringList folders; // sorted names of real folders (links to folders are left out)
    int error = 0;       // errno of a folder that could not be read
};

Listing listFolder(const QString &folder)
{
    Listing listing;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        listing.error = errno;
        return listing;
    }
    for (;;) {
        // readdir tells its end and its failure apart only by errno.
        errno = 0;
        const dirent *entry = readdir(dir);
        if (!entry) {
            listing.error = errno;
            break;
        }
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat own {};
            if (fstatat(dirfd(dir), name, &own, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(own.st_mode) ? DT_DIR : S_ISLNK(own.st_mode) ? DT_LNK : DT_REG;
        }
        if (type == DT_DIR) {
            listing.folders.append(QFile::decodeName(name));
        } else if (type == DT_LNK) {
            struct stat target {};
            if (fstatat(dirfd(dir), name, &target, 0) == 0 && !S_ISDIR(target.st_mode))
                listing.files.append(QFile::decodeName(name));
        } else {
            listing.files.append(QFile::decodeName(name));
        }
    }
    closedir(dir);
    std::sort(listing.files.begin(), listing.files.end());
    std::sort(listing.folders.begin(), listing.folders.end());
    return listing;
}

class PatternMatcher {
public:
    explicit PatternMatcher(const QString &pattern)
        : m_all(pattern == u".*"), m_suffix(pattern),
          m_wildcard(pattern.contains(u'*') || pattern.contains(u'?'))
    {
        if (m_wildcard && !m_all)
            m_expression = QRegularExpression(QRegularExpression::wildcardToRegularExpression(u'*' + pattern),
                                              QRegularExpression::CaseInsensitiveOption);
    }

    bool matches(const QString &name) const
    {
        if (m_all)
            return true;
        if (m_wildcard)
            return m_expression.match(name).hasMatch();
        return name.endsWith(m_suffix, Qt::CaseInsensitive);
    }

private:
    bool m_all;
    QString m_suffix;
    bool m_wildcard;
    QRegularExpression m_expression;
};

void walk(const QString &folder, const QVector<PatternMatcher> &patterns, bool subfolders,
          const UnreadableFolder &unreadable, QStringList &found)
{
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    const Listing listing = listFolder(prefix);
    if (listing.error != 0 && unreadable)
        unreadable(folder, listing.error);
    if (subfolders)
        for (const QString &name : listing.folders)
            walk(prefix + name, patterns, subfolders, unreadable, found);
    for (const PatternMatcher &pattern : patterns)
        for (const QString &name : listing.files)
            if (pattern.matches(name))
                found.append(prefix + name);
}

} // namespace

QStringList walkFolder(const QString &folder, const QStringList &patterns, bool subfolders,
                       const UnreadableFolder &unreadable)
{
    QVector<PatternMatcher> matchers;
    matchers.reserve(patterns.size());
    for (const QString &pattern : patterns)
        matchers.append(PatternMatcher(pattern));
    QStringList found;
    walk(folder, matchers, subfolders, unreadable, found);
    return found;
}

QStringList listSubfolders(const QString &folder)
{
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    QStringList paths;
    for (const QString &name : listFolder(prefix).folders)
        if (!name.startsWith(u'.'))
            paths.append(prefix + name);
    return paths;
}
