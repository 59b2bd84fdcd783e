#include "collect/folder_walk.h"

#include "collect/folder_chain.h"
#include "collect/system_path.h"

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isAscii(const char *bytes)
{
    for (; *bytes; ++bytes)
        if (static_cast<unsigned char>(*bytes) >= 0x80)
            return false;
    return true;
}

// A name as the system gave it; its shown text is kept apart only where it differs from the
// bytes, which is seldom, so most names cost one piece of memory.
struct Name {
    explicit Name(const char *systemName) : bytes(systemName), ascii(isAscii(systemName))
    {
        if (!ascii)
            shown = shownPath(bytes);
    }
    QByteArray bytes;
    QString shown; // empty for an ASCII name, which shows its bytes
    bool ascii;

    QString text() const { return ascii ? QString::fromLatin1(bytes) : shown; }
};

// The order of the shown texts' UTF-16 code units, which for ASCII is that of the bytes.
int shownOrder(const Name &a, const Name &b)
{
    if (a.ascii && b.ascii)
        return 0;
    if (a.ascii)
        return -b.shown.compare(QLatin1StringView(a.bytes));
    if (b.ascii)
        return a.shown.compare(QLatin1StringView(b.bytes));
    return a.shown.compare(b.shown);
}

bool shownFirst(const Name &a, const Name &b)
{
    const int order = shownOrder(a, b);
    return order != 0 ? order < 0 : a.bytes < b.bytes;
}

// The names of a folder's entries with the type the listing gave (DT_UNKNOWN when it gave none).
class FolderListing {
public:
    explicit FolderListing(int folderFd)
    {
        // A copy of the descriptor, not the folder opened again: a folder that may be read but
        // not searched could not be reached through ".".
        const int fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
        m_dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
        if (!m_dir) {
            m_error = errno;
            if (fd >= 0)
                ::close(fd);
            return;
        }
        // The copy shares its reading position with the original, which may have been read before.
        ::rewinddir(m_dir);
    }
    ~FolderListing()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    FolderListing(const FolderListing &) = delete;
    FolderListing &operator=(const FolderListing &) = delete;

    // The next entry other than "." and "..", or null at the end or on a failure.
    const dirent *next()
    {
        while (m_dir) {
            // readdir tells its end and its failure apart only by errno.
            errno = 0;
            const dirent *entry = ::readdir(m_dir);
            if (!entry) {
                m_error = errno;
                return nullptr;
            }
            const char *name = entry->d_name;
            if (!(name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))))
                return entry;
        }
        return nullptr;
    }
    int error() const { return m_error; }

private:
    DIR *m_dir = nullptr;
    int m_error = 0;
};

struct Listing {
    std::vector<Name> files;   // files and links to files
    std::vector<Name> folders; // real folders; links to folders are left out
    int error = 0;
};

unsigned char entryType(int folderFd, const dirent &entry)
{
    if (entry.d_type != DT_UNKNOWN)
        return entry.d_type;
    struct statx own {};
    if (::statx(folderFd, entry.d_name, AT_SYMLINK_NOFOLLOW, STATX_TYPE, &own) != 0)
        return DT_UNKNOWN;
    return S_ISDIR(own.stx_mode) ? DT_DIR : S_ISLNK(own.stx_mode) ? DT_LNK : DT_REG;
}

Listing listFolder(int folderFd)
{
    Listing listing;
    FolderListing names(folderFd);
    while (const dirent *entry = names.next()) {
        const unsigned char type = entryType(folderFd, *entry);
        if (type == DT_UNKNOWN) // vanished meanwhile
            continue;
        Name name(entry->d_name);
        if (type == DT_DIR) {
            listing.folders.push_back(std::move(name));
        } else if (type == DT_LNK) {
            struct statx target {};
            if (::statx(folderFd, entry->d_name, 0, STATX_TYPE, &target) == 0 && !S_ISDIR(target.stx_mode))
                listing.files.push_back(std::move(name));
        } else {
            listing.files.push_back(std::move(name));
        }
    }
    listing.error = names.error();
    std::sort(listing.files.begin(), listing.files.end(), shownFirst);
    std::sort(listing.folders.begin(), listing.folders.end(), shownFirst);
    return listing;
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    QByteArray path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + name;
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

    bool matches(const Name &name) const
    {
        if (m_all)
            return true;
        if (m_wildcard)
            return m_expression.match(name.text()).hasMatch();
        if (name.ascii)
            return QLatin1StringView(name.bytes).endsWith(m_suffix, Qt::CaseInsensitive);
        return name.shown.endsWith(m_suffix, Qt::CaseInsensitive);
    }

private:
    bool m_all;
    QString m_suffix;
    bool m_wildcard;
    QRegularExpression m_expression;
};

class FileWalk {
public:
    FileWalk(const QStringList &patterns, bool subfolders, const FoundFiles &found,
             const UnreadableFolder &unreadable, const KeepWalking &keepWalking)
        : m_subfolders(subfolders), m_found(found), m_unreadable(unreadable), m_keepWalking(keepWalking)
    {
        for (const QString &pattern : patterns)
            m_patterns.emplace_back(pattern);
    }

    void walk(FolderChain &chain)
    {
        if (ended())
            return;
        const int fd = chain.current();
        if (fd < 0) {
            report(chain.path(), errno);
            return;
        }
        const QByteArray folder = chain.path();
        const Listing listing = listFolder(fd);
        if (listing.error != 0)
            report(folder, listing.error);

        // The folder's own files are listed after the subfolders' files.
        std::vector<std::vector<std::size_t>> byPattern(m_patterns.size());
        for (std::size_t i = 0; i < listing.files.size(); ++i)
            for (std::size_t p = 0; p < m_patterns.size(); ++p)
                if (m_patterns[p].matches(listing.files[i]))
                    byPattern[p].push_back(i);

        if (m_subfolders)
            for (const Name &name : listing.folders) {
                if (!chain.enter(name.bytes)) {
                    report(joined(folder, name.bytes), errno);
                    continue;
                }
                walk(chain);
                chain.leave();
            }

        if (m_ended)
            return;
        QVector<QByteArray> found;
        for (const std::vector<std::size_t> &files : byPattern)
            for (const std::size_t i : files)
                found.append(joined(folder, listing.files[i].bytes));
        if (!found.isEmpty())
            m_found(std::move(found));
    }

private:
    bool ended()
    {
        if (!m_ended && m_keepWalking && !m_keepWalking())
            m_ended = true;
        return m_ended;
    }

    void report(const QByteArray &path, int error) const
    {
        if (m_unreadable)
            m_unreadable(shownPath(path), error);
    }

    std::vector<PatternMatcher> m_patterns;
    bool m_subfolders;
    const FoundFiles &m_found;
    const UnreadableFolder &m_unreadable;
    const KeepWalking &m_keepWalking;
    bool m_ended = false;
};

qint64 totalBelow(FolderChain &chain, const UnreadableFolder &unreadable)
{
    const auto report = [&](const QByteArray &path, int error) {
        if (unreadable)
            unreadable(shownPath(path), error);
    };
    const int fd = chain.current();
    if (fd < 0) {
        report(chain.path(), errno);
        return 0;
    }
    qint64 total = 0;
    std::vector<QByteArray> subfolders;
    {
        FolderListing names(fd);
        while (const dirent *entry = names.next()) {
            struct statx own {};
            if (::statx(fd, entry->d_name, AT_SYMLINK_NOFOLLOW, STATX_TYPE | STATX_SIZE, &own) != 0)
                continue;
            if (S_ISDIR(own.stx_mode)) {
                if (entry->d_name[0] != '.')
                    subfolders.emplace_back(entry->d_name);
            } else if (S_ISLNK(own.stx_mode)) {
                struct statx target {};
                if (::statx(fd, entry->d_name, 0, STATX_TYPE | STATX_SIZE, &target) == 0 &&
                    !S_ISDIR(target.stx_mode))
                    total += qint64(target.stx_size);
            } else {
                total += qint64(own.stx_size);
            }
        }
        if (names.error() != 0)
            report(chain.path(), names.error());
    }
    // The listing is closed before going down, so each level holds no descriptor of its own.
    for (const QByteArray &name : subfolders) {
        if (!chain.enter(name)) {
            report(joined(chain.path(), name), errno);
            continue;
        }
        total += totalBelow(chain, unreadable);
        chain.leave();
    }
    return total;
}

} // namespace

void walkFolderFiles(const QString &folder, const QStringList &patterns, bool subfolders,
                     const FoundFiles &found, const UnreadableFolder &unreadable,
                     const KeepWalking &keepWalking)
{
    if (patterns.isEmpty())
        return;
    FileWalk walk(patterns, subfolders, found, unreadable, keepWalking);
    FolderChain chain(encodedPath(folder));
    walk.walk(chain);
}

QVector<QByteArray> walkFolderFiles(const QString &folder, const QStringList &patterns, bool subfolders,
                                    const UnreadableFolder &unreadable)
{
    QVector<QByteArray> all;
    walkFolderFiles(
        folder, patterns, subfolders, [&all](QVector<QByteArray> files) { all.append(std::move(files)); },
        unreadable);
    return all;
}

QStringList walkFolder(const QString &folder, const QStringList &patterns, bool subfolders,
                       const UnreadableFolder &unreadable)
{
    QStringList paths;
    for (const QByteArray &path : walkFolderFiles(folder, patterns, subfolders, unreadable))
        paths.append(shownPath(path));
    return paths;
}

QStringList listSubfolders(const QString &folder)
{
    FolderChain chain(encodedPath(folder));
    const int fd = chain.current();
    if (fd < 0)
        return {};
    QStringList paths;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const Name &name : listFolder(fd).folders)
        if (!name.bytes.startsWith('.'))
            paths.append(prefix + name.text());
    return paths;
}

qint64 folderTotalSize(const QString &folder, const UnreadableFolder &unreadable)
{
    FolderChain chain(encodedPath(folder));
    return totalBelow(chain, unreadable);
}
