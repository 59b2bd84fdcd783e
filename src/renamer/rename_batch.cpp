#include "renamer/rename_batch.h"

#include "common/safe_file.h"
#include "common/tabulix_error.h"
#include "renamer/rename_state.h"

#include <QFile>

namespace {

// One step of a planned move; true when the file moved.
bool step(const PlannedMove &move, const QString &from, const QString &to, FileLocation arrival,
          CompletedMove &completed, const RenameStepHook &afterStep, RenameResult *result = nullptr)
{
    const RenameResult outcome = renameWithoutReplacing(from, to);
    if (result)
        *result = outcome;
    if (outcome != RenameResult::Renamed)
        return false;
    completed.location = arrival;
    completed.moved = true;
    if (afterStep)
        afterStep(move, arrival);
    return true;
}

} // namespace

QList<CompletedMove> completePlan(const QList<PlannedMove> &moves, const RenameStepHook &afterStep)
{
    QList<CompletedMove> completed;
    for (const PlannedMove &move : moves)
        completed.append({locate(move), RenameResult::Failed, false});
    for (qsizetype i = 0; i < moves.size(); ++i)
        if (completed[i].location == FileLocation::Old)
            step(moves[i], moves[i].from, moves[i].temporary, FileLocation::Temporary, completed[i],
                 afterStep);
    QList<std::pair<qsizetype, RenameResult>> back;
    for (qsizetype i = 0; i < moves.size(); ++i) {
        RenameResult result = RenameResult::Failed;
        if (completed[i].location == FileLocation::Temporary &&
            !step(moves[i], moves[i].temporary, moves[i].to, FileLocation::New, completed[i], afterStep,
                  &result))
            back.append({i, result});
    }
    for (const auto &[i, reason] : back)
        if (step(moves[i], moves[i].temporary, moves[i].from, FileLocation::Old, completed[i], afterStep))
            completed[i].result = reason;
    for (CompletedMove &move : completed)
        if (move.location == FileLocation::New)
            move.result = RenameResult::Renamed;
    return completed;
}

bool anyLeftAside(const QList<CompletedMove> &completed)
{
    return std::any_of(completed.cbegin(), completed.cend(),
                       [](const CompletedMove &move) { return move.location == FileLocation::Temporary; });
}

QList<RenameResult> renameBatch(const QList<RenameMove> &moves, const RenameStepHook &afterStep)
{
    if (moves.isEmpty())
        return {};
    // Planned under the lock, so that no other program renames in between.
    const RenameStateLock lock(true);
    if (!lock.held())
        throw TabulixError(lock.failure());
    RenamePlan plan = planRenames(moves);
    if (plan.moves.isEmpty())
        return plan.results;
    const QString planPath = newPlanPath();
    writeFileSafely(planPath, planBytes(plan.moves),
                    QStringLiteral("Cannot create file \"%1\".").arg(planPath));
    const QList<CompletedMove> completed = completePlan(plan.moves, afterStep);
    // A file that found neither of its names free is finished by the next recovery.
    if (!anyLeftAside(completed))
        QFile::remove(planPath);
    for (qsizetype i = 0; i < plan.moves.size(); ++i)
        plan.results[plan.moves[i].index] = completed[i].result;
    return plan.results;
}
