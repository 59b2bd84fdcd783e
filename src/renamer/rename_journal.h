#pragma once
// The journal of renamed batches, so that a batch can be undone after the program was closed:
// the newest 20, in the state folder beside the plans.
#include "renamer/rename_plan.h"

#include <QDateTime>
#include <QList>
#include <optional>

struct JournalMove {
    QString oldPath, newPath;
    quint64 device = 0, inode = 0; // of the file, to know it again under its new name
};

struct JournalBatch {
    quint64 id = 0; // counts up from 1
    QDateTime time; // when it was renamed
    QList<JournalMove> moves;
    // The folder the files share (the deepest one holding them all), with its final "/".
    QString folder() const;
};

inline constexpr int JournalLength = 20;

// The journal as it is stored, and read back; a damaged journal reads as empty.
QByteArray journalBytes(const QList<JournalBatch> &batches);
QList<JournalBatch> readJournal(const QByteArray &bytes);

// The stored journal, the oldest batch first.
QList<JournalBatch> loadJournal();
// Adds the renames as the newest batch and keeps the newest 20; returns the batch's id. Throws
// TabulixError when the journal cannot be written.
quint64 recordBatch(const QList<JournalMove> &moves, const QDateTime &time);

struct UndoneMove {
    JournalMove move;
    bool undone = false;
};

// Renames the batch back (the newest one when id is nullopt), never over another file. A file
// that is no longer at its new name, or another file that took it, stays untouched. What could
// not go back stays in the journal and can be tried again. nullopt when there is no such batch;
// throws TabulixError when the journal cannot be written.
std::optional<QList<UndoneMove>> undoBatch(std::optional<quint64> id);
