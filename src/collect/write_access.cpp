#include "collect/write_access.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/magic.h>
#include <sys/prctl.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <string_view>
#include <unordered_map>

namespace {

bool hasFile(const char *path)
{
    return ::access(path, F_OK) == 0;
}

// A security module that checks every access of a file, beyond its mode bits. AppArmor
// checks paths as files open, not access questions, so its confinement changes no answer.
bool securityModuleActive()
{
    if (hasFile("/sys/fs/selinux/enforce") || hasFile("/sys/fs/smackfs"))
        return true;
    // Without a module that labels processes the label cannot be read at all.
    std::FILE *current = std::fopen("/proc/self/attr/current", "re");
    if (!current)
        return errno != ENOENT;
    char label[256] = {};
    const size_t length = std::fread(label, 1, sizeof label - 1, current);
    const bool unlabelled = length == 0 && std::ferror(current) && errno == EINVAL;
    std::fclose(current);
    if (unlabelled)
        return false;
    const std::string_view text(label, length);
    const bool appArmor = text.starts_with("unconfined") || text.find(" (") != std::string_view::npos;
    return !appArmor;
}

// The initial user namespace maps every id to itself, so modes and capabilities mean there
// what they say.
bool initialUserNamespace()
{
    std::FILE *map = std::fopen("/proc/self/uid_map", "re");
    if (!map)
        return false;
    unsigned long inside = 1, outside = 1, count = 0;
    const bool read = std::fscanf(map, "%lu %lu %lu", &inside, &outside, &count) == 3;
    std::fclose(map);
    return read && inside == 0 && outside == 0 && count == 4294967295UL;
}

bool permittedCapability(int capability)
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    return data[capability / 32].permitted & (1U << (capability % 32));
}

// File systems that check writes by the mode bits and the read-only mount flag alone (no
// access hook of their own, no server that decides).
bool modesDecideOn(const struct statfs &system)
{
    if (system.f_flags & ST_RDONLY)
        return false;
    switch (static_cast<unsigned long>(system.f_type)) {
    case EXT4_SUPER_MAGIC: // ext2 and ext3 too
    case XFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
        return true;
    default:
        return false;
    }
}

// Whether the modes decide on the mount the entry lies on, looked up once per mount.
bool modesDecideOnMount(int fd, int folderFd, const char *name, const struct statx &entry)
{
    thread_local std::unordered_map<unsigned long long, bool> mounts;
    const auto known = mounts.find(entry.stx_mnt_id);
    if (known != mounts.end())
        return known->second;
    int opened = -1;
    if (fd < 0)
        fd = opened = ::openat(folderFd, name, O_PATH | O_CLOEXEC);
    struct statfs system {};
    const bool decide = fd >= 0 && ::fstatfs(fd, &system) == 0 && modesDecideOn(system);
    if (opened >= 0)
        ::close(opened);
    // A failed look is not kept: the next entry asks again.
    if (fd >= 0)
        mounts.emplace(entry.stx_mnt_id, decide);
    return decide;
}

bool askSystem(int fd, int folderFd, const char *name)
{
    if (fd >= 0) {
        if (::faccessat(fd, "", W_OK, AT_EMPTY_PATH) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
    }
    return ::faccessat(folderFd, name, W_OK, 0) == 0;
}

} // namespace

WriteRules readWriteRules()
{
    WriteRules rules;
    rules.realUser = ::getuid();
    // The access check runs with the real user; for root with the permitted capabilities,
    // for anybody else with none, unless secure bits change that.
    rules.modesDecide = ::prctl(PR_GET_SECUREBITS) == 0 && initialUserNamespace() && !securityModuleActive();
    rules.rootOverrides = rules.realUser == 0 && permittedCapability(CAP_DAC_OVERRIDE);
    return rules;
}

const WriteRules &currentWriteRules()
{
    static const WriteRules rules = readWriteRules();
    return rules;
}

bool mayWrite(int fd, int folderFd, const char *name, const struct statx &entry, const WriteRules &rules)
{
    const bool settled = rules.modesDecide && (entry.stx_mask & WriteAccessMask) == WriteAccessMask
                         && S_ISREG(entry.stx_mode) && (entry.stx_attributes_mask & STATX_ATTR_IMMUTABLE)
                         && !(entry.stx_attributes & STATX_ATTR_IMMUTABLE);
    if (settled && (rules.rootOverrides || entry.stx_uid == rules.realUser)
        && modesDecideOnMount(fd, folderFd, name, entry))
        return rules.rootOverrides || (entry.stx_mode & S_IWUSR);
    return askSystem(fd, folderFd, name);
}
