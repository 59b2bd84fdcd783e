#include "renamer/rename_recovery.h"

#include "renamer/rename_state.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool unfinished(const CompletedMove &completed)
{
    return completed.location == FileLocation::Temporary || completed.location == FileLocation::Missing;
}

} // namespace

QString RecoveredFile::path() const
{
    switch (completed.location) {
    case FileLocation::Old:
        return move.from;
    case FileLocation::Temporary:
        return move.temporary;
    case FileLocation::New:
        return move.to;
    case FileLocation::Missing:
        break;
    }
    return {};
}

bool Recovery::anyFailed() const
{
    return !failures.isEmpty() || std::any_of(files.cbegin(), files.cend(), [](const RecoveredFile &file) {
        return unfinished(file.completed);
    });
}

Recovery recoverBatches(bool wait)
{
    Recovery recovery;
    // Nothing was ever renamed: the folder is not made for nothing.
    if (!QFileInfo::exists(renameStateFolder()))
        return recovery;
    const RenameStateLock lock(wait);
    if (!lock.held()) {
        if (!lock.failure().isEmpty())
            recovery.failures.append(lock.failure());
        return recovery;
    }
    for (const QString &planPath : leftPlanPaths()) {
        QFile file(planPath);
        const std::optional<QList<PlannedMove>> moves =
            file.open(QIODevice::ReadOnly) ? readPlan(file.readAll()) : std::nullopt;
        if (!moves) {
            recovery.failures.append(QStringLiteral("Cannot read file \"%1\".").arg(planPath));
            continue;
        }
        const QList<CompletedMove> completed = completePlan(*moves);
        for (qsizetype i = 0; i < moves->size(); ++i)
            if (completed[i].moved || unfinished(completed[i]))
                recovery.files.append({moves->at(i), completed[i]});
        if (!anyLeftAside(completed))
            QFile::remove(planPath);
    }
    return recovery;
}
