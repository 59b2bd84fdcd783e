#include "collect/folder_chain.h"

#include "collect/system_path.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

int openBelow(int folder, const QByteArray &name)
{
    return openAt(folder, name.constData(), FolderFlags);
}

} // namespace

FolderChain::FolderChain(const QByteArray &start)
{
    // The start itself may be a link to a folder, as a typed or dropped path may be.
    const int fd = openPath(start, O_RDONLY | O_DIRECTORY);
    m_levels.push_back({start, fd});
    if (fd >= 0)
        ++m_open;
}

FolderChain::~FolderChain()
{
    for (Level &level : m_levels)
        closeLevel(level);
}

void FolderChain::closeLevel(Level &level)
{
    if (level.fd < 0)
        return;
    ::close(level.fd);
    level.fd = -1;
    --m_open;
}

int FolderChain::current()
{
    Level &deepest = m_levels.back();
    if (deepest.fd >= 0)
        return deepest.fd;
    if (m_levels.size() == 1) {
        deepest.fd = openPath(deepest.name, O_RDONLY | O_DIRECTORY);
    } else {
        // Open again from the nearest folder above that still holds a descriptor; the start
        // always does once something was entered below it.
        std::size_t from = m_levels.size() - 2;
        while (m_levels[from].fd < 0)
            --from;
        int opened = m_levels[from].fd;
        for (std::size_t i = from + 1; i < m_levels.size() && opened >= 0; ++i) {
            const int next = openBelow(opened, m_levels[i].name);
            const int error = errno;
            if (opened != m_levels[from].fd)
                ::close(opened);
            errno = error;
            opened = next;
        }
        deepest.fd = opened;
    }
    if (deepest.fd < 0)
        return -1;
    ++m_open;
    if (m_open > MaxOpen)
        giveUpOne();
    return deepest.fd;
}

bool FolderChain::enter(const QByteArray &name)
{
    const int parent = current();
    if (parent < 0)
        return false;
    const int fd = openBelow(parent, name);
    if (fd < 0)
        return false;
    m_levels.push_back({name, fd});
    ++m_open;
    if (m_open > MaxOpen)
        giveUpOne();
    return true;
}

void FolderChain::leave()
{
    if (m_levels.size() <= 1)
        return;
    closeLevel(m_levels.back());
    m_levels.pop_back();
}

void FolderChain::giveUpOne()
{
    // The shallowest open folder below the start goes: the walk comes back to it last.
    for (std::size_t i = 1; i + 1 < m_levels.size(); ++i)
        if (m_levels[i].fd >= 0) {
            closeLevel(m_levels[i]);
            return;
        }
}

QByteArray FolderChain::path() const
{
    QByteArray path = m_levels.front().name;
    for (std::size_t i = 1; i < m_levels.size(); ++i) {
        if (!path.endsWith('/'))
            path += '/';
        path += m_levels[i].name;
    }
    return path;
}
