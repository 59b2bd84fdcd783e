#pragma once
// Where the renaming tool keeps what must outlive the program: the plan of the batch under way
// and the journal of batches to undo, in $XDG_STATE_HOME/tabulix/ (~/.local/state/tabulix/ when
// unset). One program at a time renames through it.
#include <QString>
#include <QStringList>

// The folder, without creating it.
QString renameStateFolder();

// Holds the state folder for the one program that renames: created when missing, then locked
// (flock, so a killed program lets go by itself).
class RenameStateLock {
public:
    // wait: until no other program holds it; otherwise only when it is free at once.
    explicit RenameStateLock(bool wait);
    ~RenameStateLock();
    RenameStateLock(const RenameStateLock &) = delete;
    RenameStateLock &operator=(const RenameStateLock &) = delete;

    bool held() const { return m_descriptor >= 0; }
    // Why it is not held, with the system's reason; empty when another program holds it.
    const QString &failure() const { return m_failure; }

private:
    int m_descriptor = -1;
    QString m_failure;
};

// A fresh path for the plan of a batch, and the plans left behind, the oldest first.
QString newPlanPath();
QStringList leftPlanPaths();
