#include "collect/write_access.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Case {
    const char *name;
    mode_t mode;
    uid_t owner;
};

// Files of every kind of owner and mode, in a folder anybody may enter.
const Case cases[] = {
    {"mine-rw", 0644, 0},   {"mine-ro", 0444, 0},       {"mine-wo", 0200, 0},       {"mine-none", 0000, 0},
    {"other-rw", 0644, 65534}, {"other-ro", 0444, 65534}, {"other-all", 0666, 65534}, {"other-group", 0464, 65534},
};

// How many answers of mayWrite differ from the system's for the files in folder, by name and
// by the opened file.
int disagreements(const QByteArray &folder, const WriteRules &rules)
{
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int wrong = folderFd < 0 ? 1 : 0;
    const char *names[std::size(cases) + 2] = {".", "link"};
    for (size_t i = 0; i < std::size(cases); ++i)
        names[i + 2] = cases[i].name;
    for (const char *name : names) {
        struct statx entry {};
        if (::statx(folderFd, name, 0, WriteAccessMask, &entry) != 0) {
            ++wrong;
            continue;
        }
        const bool system = ::faccessat(folderFd, name, W_OK, 0) == 0;
        wrong += mayWrite(-1, folderFd, name, entry, rules) != system;
        const int fd = ::openat(folderFd, name, O_PATH | O_CLOEXEC);
        wrong += fd < 0 || mayWrite(fd, folderFd, name, entry, rules) != system;
        ::close(fd);
    }
    ::close(folderFd);
    return wrong;
}

} // namespace

// The answers read from the facts agree with the system's for the owner, for others, for the
// superuser and for a user without privileges, on a disk and in memory.
TEST(WriteAccess, AgreesWithTheSystemForEveryOwnerAndMode)
{
    for (const char *base : {"/tmp", "/dev/shm"}) {
        QTemporaryDir folder(QString::fromLatin1(base) + QStringLiteral("/write-access-XXXXXX"));
        ASSERT_TRUE(folder.isValid()) << base;
        const QByteArray path = QFile::encodeName(folder.path());
        ::chmod(path.constData(), 0755);
        for (const Case &file : cases) {
            const QByteArray name = path + '/' + file.name;
            ::close(::open(name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
            if (geteuid() == 0 && file.owner != 0) {
                ASSERT_EQ(::chown(name.constData(), file.owner, file.owner), 0);
            }
            ::chmod(name.constData(), file.mode);
        }
        ASSERT_EQ(::symlink("mine-ro", QByteArray(path + "/link").constData()), 0);
        EXPECT_EQ(disagreements(path, currentWriteRules()), 0) << base;

        if (geteuid() != 0)
            continue;
        // The child reads the rules again after it has become nobody.
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(dropped ? std::min(disagreements(path, readWriteRules()), 100) : 101);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << base;
    }
}
