#pragma once
// Finishing the batches a program left mid-way, from their plans in the state folder: every file
// ends under its old or its new name.
#include "renamer/rename_batch.h"

#include <QStringList>

struct RecoveredFile {
    PlannedMove move;
    CompletedMove completed;
    // Where the file is now; empty when it is under none of its names.
    QString path() const;
};

struct Recovery {
    // The files the recovery moved, and those it could not bring to their old or new name.
    QList<RecoveredFile> files;
    // Plans that could not be read, or the state folder that could not be held.
    QStringList failures;
    bool anyFailed() const;
};

// wait: until a batch under way elsewhere is done; otherwise nothing happens while one runs.
Recovery recoverBatches(bool wait);
