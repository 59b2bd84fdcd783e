#pragma once
// The plan of a batch of renames: which moves can run, and for each the temporary name it passes
// through and the file it moves (by device and inode), so that the moves can be finished by
// looking at which names hold the file, whatever step the batch got to.
#include "renamer/safe_rename.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct RenameMove {
    QString from, to;
};

struct PlannedMove {
    qsizetype index = 0; // of the move in the batch
    QString from, temporary, to;
    quint64 device = 0, inode = 0;
};

struct RenamePlan {
    // One per move, in the order of the moves; Renamed for those that take part in the steps.
    QList<RenameResult> results;
    QList<PlannedMove> moves;
};

// A missing source, or a move onto itself, gives Failed. A target held by a file that is not
// itself moved away by the batch, or claimed by an earlier move, gives TargetExists.
RenamePlan planRenames(const QList<RenameMove> &moves);

// For each move, whether its target clashes: with the target of another move, or with a file that
// is not itself moved away by the batch. Moves onto themselves clash with nothing.
QList<bool> clashingTargets(const QList<RenameMove> &moves);

// Where the planned move's file is now.
enum class FileLocation { Old, Temporary, New, Missing };
FileLocation locate(const PlannedMove &move);

// The plan as it is stored, and read back; nullopt when the bytes are no plan.
QByteArray planBytes(const QList<PlannedMove> &moves);
std::optional<QList<PlannedMove>> readPlan(const QByteArray &bytes);
