#include "renamer/rename_plan.h"

#include "common/paths.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<struct stat> statOf(const QString &path)
{
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info;
}

bool holds(const QString &path, const PlannedMove &move)
{
    const auto info = statOf(path);
    return info && quint64(info->st_dev) == move.device && quint64(info->st_ino) == move.inode;
}

// Which moves can run: the source exists, and the target is free or the source of another move
// that runs. Moves that cannot run free nothing, so the check repeats until nothing changes.
QList<RenameResult> plannedResults(const QList<RenameMove> &moves)
{
    QList<RenameResult> results(moves.size(), RenameResult::Renamed);
    QSet<QString> claimed, sources;
    for (qsizetype i = 0; i < moves.size(); ++i) {
        if (!pathTaken(moves[i].from) || moves[i].from == moves[i].to || sources.contains(moves[i].from))
            results[i] = RenameResult::Failed;
        else if (claimed.contains(moves[i].to))
            results[i] = RenameResult::TargetExists;
        else
            claimed.insert(moves[i].to);
        sources.insert(moves[i].from);
    }
    for (bool changed = true; changed;) {
        changed = false;
        QSet<QString> leaving;
        for (qsizetype i = 0; i < moves.size(); ++i)
            if (results[i] == RenameResult::Renamed)
                leaving.insert(moves[i].from);
        for (qsizetype i = 0; i < moves.size(); ++i)
            if (results[i] == RenameResult::Renamed && !leaving.contains(moves[i].to) &&
                pathTaken(moves[i].to)) {
                results[i] = RenameResult::TargetExists;
                changed = true;
            }
    }
    return results;
}

// A free name beside the file; the process id keeps two programs apart, the index two moves.
QString temporaryName(const QString &from, qsizetype index)
{
    const QString stem = folderPart(from) + QStringLiteral(".tabulix-rename-") + QString::number(getpid()) +
                         u'-' + QString::number(index) + u'-';
    for (int attempt = 0;; ++attempt)
        if (const QString name = stem + QString::number(attempt) + QStringLiteral(".tmp"); !pathTaken(name))
            return name;
}

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1StringView(key)).toString();
}

} // namespace

RenamePlan planRenames(const QList<RenameMove> &moves)
{
    RenamePlan plan{plannedResults(moves), {}};
    for (qsizetype i = 0; i < moves.size(); ++i) {
        if (plan.results[i] != RenameResult::Renamed)
            continue;
        const auto info = statOf(moves[i].from);
        if (!info) {
            plan.results[i] = RenameResult::Failed;
            continue;
        }
        plan.moves.append({i, moves[i].from, temporaryName(moves[i].from, i), moves[i].to,
                           quint64(info->st_dev), quint64(info->st_ino)});
    }
    return plan;
}

QList<bool> clashingTargets(const QList<RenameMove> &moves)
{
    QHash<QString, int> claims;
    for (const RenameMove &move : moves)
        if (move.from != move.to)
            ++claims[move.to];
    const QList<RenameResult> results = plannedResults(moves);
    QList<bool> clashes;
    for (qsizetype i = 0; i < moves.size(); ++i)
        clashes.append(moves[i].from != moves[i].to &&
                       (claims.value(moves[i].to) > 1 || results[i] == RenameResult::TargetExists));
    return clashes;
}

FileLocation locate(const PlannedMove &move)
{
    // The temporary name first: it is the batch's own, while the old and the new name may both
    // be hard links of the one file.
    if (holds(move.temporary, move))
        return FileLocation::Temporary;
    if (holds(move.from, move))
        return FileLocation::Old;
    if (holds(move.to, move))
        return FileLocation::New;
    return FileLocation::Missing;
}

QByteArray planBytes(const QList<PlannedMove> &moves)
{
    QJsonArray array;
    for (const PlannedMove &move : moves)
        array.append(QJsonObject{{QStringLiteral("from"), move.from},
                                 {QStringLiteral("temporary"), move.temporary},
                                 {QStringLiteral("to"), move.to},
                                 {QStringLiteral("device"), QString::number(move.device)},
                                 {QStringLiteral("inode"), QString::number(move.inode)}});
    return QJsonDocument(QJsonObject{{QStringLiteral("moves"), array}}).toJson(QJsonDocument::Compact);
}

std::optional<QList<PlannedMove>> readPlan(const QByteArray &bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject() || !document.object().value(QStringLiteral("moves")).isArray())
        return std::nullopt;
    QList<PlannedMove> moves;
    for (const QJsonValue &value : document.object().value(QStringLiteral("moves")).toArray()) {
        const QJsonObject object = value.toObject();
        PlannedMove move{
            moves.size(), text(object, "from"), text(object, "temporary"), text(object, "to"), 0, 0};
        bool deviceRead = false, inodeRead = false;
        move.device = text(object, "device").toULongLong(&deviceRead);
        move.inode = text(object, "inode").toULongLong(&inodeRead);
        // A path is never empty, and as the system gives it, never a lone half of a surrogate pair.
        for (const QString *path : {&move.from, &move.temporary, &move.to})
            if (path->isEmpty() || !path->isValidUtf16())
                return std::nullopt;
        if (!deviceRead || !inodeRead)
            return std::nullopt;
        moves.append(move);
    }
    return moves;
}
