#pragma once
// Whether this process may write a file, read from the facts statx gave where the system's
// answer follows from them alone, and asked of the system (faccessat) everywhere else.
#include <sys/stat.h>

// What decides access for this process, read once: its real user, whether that user is root
// with the capability to override file modes, and whether anything beyond the file modes can
// refuse a write (a security module, changed secure bits, a user namespace).
struct WriteRules {
    unsigned realUser = 0;
    bool rootOverrides = false; // root whose access checks hold CAP_DAC_OVERRIDE
    bool modesDecide = false;   // false: every answer is asked of the system
};

// The rules of the running process as they are now, and as they were first read.
WriteRules readWriteRules();
const WriteRules &currentWriteRules();

// The statx fields the decision needs besides the mode.
constexpr unsigned WriteAccessMask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_MNT_ID;

// Whether the entry name in folderFd, whose facts are entry, may be written; fd is the entry
// opened (or -1), which saves a lookup of the name where the system is asked.
bool mayWrite(int fd, int folderFd, const char *name, const struct statx &entry, const WriteRules &rules);
