#include "renamer/rename_state.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString planPrefix = QStringLiteral("rename-plan-");

QString reason(const QString &folder, int error)
{
    return QStringLiteral("Cannot create folder \"%1\". ").arg(folder) +
           QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString renameStateFolder()
{
    // A relative value is no valid one.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = state.startsWith(u'/') ? state : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/tabulix");
}

RenameStateLock::RenameStateLock(bool wait)
{
    const QString folder = renameStateFolder();
    if (!QDir().mkpath(folder)) {
        m_failure = QStringLiteral("Cannot create folder \"%1\".").arg(folder);
        return;
    }
    const int descriptor = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        m_failure = reason(folder, errno);
        return;
    }
    int result = 0;
    do
        result = flock(descriptor, LOCK_EX | (wait ? 0 : LOCK_NB));
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        if (errno != EWOULDBLOCK)
            m_failure = reason(folder, errno);
        close(descriptor);
        return;
    }
    m_descriptor = descriptor;
}

RenameStateLock::~RenameStateLock()
{
    if (m_descriptor >= 0)
        close(m_descriptor);
}

QString newPlanPath()
{
    // Milliseconds of thirteen digits sort the plans by their time for centuries.
    return renameStateFolder() + u'/' + planPrefix + QString::number(QDateTime::currentMSecsSinceEpoch()) +
           u'-' + QString::number(getpid()) + QStringLiteral(".json");
}

QStringList leftPlanPaths()
{
    QStringList paths;
    const QDir folder(renameStateFolder());
    for (const QString &name : folder.entryList({planPrefix + u'*'}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}
