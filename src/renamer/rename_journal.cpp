#include "renamer/rename_journal.h"

#include "common/paths.h"
#include "common/safe_file.h"
#include "common/tabulix_error.h"
#include "renamer/rename_batch.h"
#include "renamer/rename_state.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

namespace {

QString journalPath()
{
    return renameStateFolder() + QStringLiteral("/rename-journal.json");
}

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1StringView(key)).toString();
}

quint64 number(const QJsonObject &object, const char *key)
{
    return text(object, key).toULongLong();
}

// Whether the file renamed then is still the one at its new name.
bool stillThere(const JournalMove &move)
{
    struct stat info {};
    return lstat(QFile::encodeName(move.newPath).constData(), &info) == 0 &&
           quint64(info.st_dev) == move.device && quint64(info.st_ino) == move.inode;
}

void saveJournal(const QList<JournalBatch> &batches)
{
    writeFileSafely(journalPath(), journalBytes(batches),
                    QStringLiteral("Cannot create file \"%1\".").arg(journalPath()));
}

// The journal under the lock of the state folder; throws when the folder cannot be held.
template <typename Change> auto changeJournal(Change change)
{
    const RenameStateLock lock(true);
    if (!lock.held())
        throw TabulixError(lock.failure());
    QList<JournalBatch> batches = loadJournal();
    return change(batches);
}

} // namespace

QString JournalBatch::folder() const
{
    if (moves.isEmpty())
        return {};
    QString shared = folderPart(moves.first().oldPath);
    for (const JournalMove &move : moves)
        while (!move.oldPath.startsWith(shared))
            shared = folderPart(shared.chopped(1));
    return shared;
}

QByteArray journalBytes(const QList<JournalBatch> &batches)
{
    QJsonArray array;
    for (const JournalBatch &batch : batches) {
        QJsonArray moves;
        for (const JournalMove &move : batch.moves)
            moves.append(QJsonObject{{QStringLiteral("old"), move.oldPath},
                                     {QStringLiteral("new"), move.newPath},
                                     {QStringLiteral("device"), QString::number(move.device)},
                                     {QStringLiteral("inode"), QString::number(move.inode)}});
        array.append(QJsonObject{{QStringLiteral("id"), QString::number(batch.id)},
                                 {QStringLiteral("time"), batch.time.toUTC().toString(Qt::ISODate)},
                                 {QStringLiteral("moves"), moves}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("batches"), array}}).toJson(QJsonDocument::Compact);
}

QList<JournalBatch> readJournal(const QByteArray &bytes)
{
    QList<JournalBatch> batches;
    for (const QJsonValue &value :
         QJsonDocument::fromJson(bytes).object().value(QStringLiteral("batches")).toArray()) {
        const QJsonObject object = value.toObject();
        JournalBatch batch{
            number(object, "id"), QDateTime::fromString(text(object, "time"), Qt::ISODate), {}};
        for (const QJsonValue &move : object.value(QStringLiteral("moves")).toArray()) {
            const QJsonObject fields = move.toObject();
            JournalMove read{text(fields, "old"), text(fields, "new"), number(fields, "device"),
                             number(fields, "inode")};
            if (!read.oldPath.isEmpty() && !read.newPath.isEmpty() && read.oldPath.isValidUtf16() &&
                read.newPath.isValidUtf16())
                batch.moves.append(read);
        }
        // A batch without an id or a move is no batch.
        if (batch.id != 0 && !batch.moves.isEmpty())
            batches.append(batch);
    }
    return batches;
}

QList<JournalBatch> loadJournal()
{
    QFile file(journalPath());
    return file.open(QIODevice::ReadOnly) ? readJournal(file.readAll()) : QList<JournalBatch>();
}

quint64 recordBatch(const QList<JournalMove> &moves, const QDateTime &time)
{
    return changeJournal([&](QList<JournalBatch> &batches) {
        quint64 id = 1;
        for (const JournalBatch &batch : batches)
            id = qMax(id, batch.id + 1);
        batches.append({id, time, moves});
        while (batches.size() > JournalLength)
            batches.removeFirst();
        saveJournal(batches);
        return id;
    });
}

std::optional<QList<UndoneMove>> undoBatch(std::optional<quint64> id)
{
    const auto find = [&](const QList<JournalBatch> &batches) -> qsizetype {
        if (!id)
            return batches.size() - 1;
        for (qsizetype i = 0; i < batches.size(); ++i)
            if (batches[i].id == *id)
                return i;
        return -1;
    };
    const QList<JournalBatch> before = loadJournal();
    const qsizetype index = find(before);
    if (index < 0)
        return std::nullopt;
    const JournalBatch batch = before[index];
    QList<UndoneMove> undone;
    QList<RenameMove> back;
    for (const JournalMove &move : batch.moves) {
        undone.append({move, stillThere(move)});
        if (undone.last().undone)
            back.append({move.newPath, move.oldPath});
    }
    const QList<RenameResult> results = renameBatch(back);
    QList<JournalMove> left;
    for (qsizetype i = 0, next = 0; i < undone.size(); ++i) {
        if (undone[i].undone)
            undone[i].undone = results[next++] == RenameResult::Renamed;
        if (!undone[i].undone)
            left.append(undone[i].move);
    }
    // The journal may have changed meanwhile; the batch is found again by its id.
    changeJournal([&](QList<JournalBatch> &batches) {
        for (qsizetype i = 0; i < batches.size(); ++i)
            if (batches[i].id == batch.id) {
                if (left.isEmpty())
                    batches.removeAt(i);
                else
                    batches[i].moves = left;
                break;
            }
        saveJournal(batches);
    });
    return undone;
}
