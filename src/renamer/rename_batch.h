#pragma once
// Renaming many files as one batch: a target that another move of the batch frees is no clash,
// so chains (1→2, 2→3) and swaps (a→b, b→a) go through whole. Every file first takes a temporary
// name in its own folder, then its new one; no step ever replaces a file.
#include "renamer/rename_plan.h"

#include <functional>

// Called after every step that moved a file, with where the file arrived.
using RenameStepHook = std::function<void(const PlannedMove &move, FileLocation arrivedAt)>;

struct CompletedMove {
    FileLocation location = FileLocation::Missing; // where the file ended
    // Renamed at its new name; TargetExists when the new name was taken and the file went back
    // to its old one; Failed otherwise.
    RenameResult result = RenameResult::Failed;
    bool moved = false; // whether this run moved the file at all
};

// Finishes the planned moves from wherever their files are, so it serves a fresh batch and one
// that was cut short alike: every file still under its old name takes its temporary name, then
// every file under a temporary name its new name. A file whose new name was taken meanwhile goes
// back to its old name once every other file has moved, since its old name may have been some
// other file's new one. One result per planned move.
QList<CompletedMove> completePlan(const QList<PlannedMove> &moves, const RenameStepHook &afterStep = {});

// Whether a file of the completed moves is still under its temporary name.
bool anyLeftAside(const QList<CompletedMove> &completed);

// Plans and renames; one result per move, in the order of the moves. Before the first step the
// plan is written into the state folder, so that a recovery can finish a batch cut short; it
// goes when the batch is done. Throws TabulixError when the plan cannot be kept, before any step.
QList<RenameResult> renameBatch(const QList<RenameMove> &moves, const RenameStepHook &afterStep = {});
