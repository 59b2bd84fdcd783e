#pragma once
// The work of the renaming window without the window: adding files and folders, the renaming
// command with its statuses and counts, undoing it, and the preview of one entry. The desktop
// program's window, tabulix-cli and the tests all run this.
#include "common/locale_format.h"
#include "renamer/rename_journal.h"
#include "renamer/rename_list.h"

#include <QHash>
#include <QStringList>
#include <optional>

class Settings;

// What the work shows on its way; the quiet defaults suit the command-line program.
class RenamerFeedback {
public:
    virtual ~RenamerFeedback() = default;
    // A message of the catalogue with a path; returns when the user has closed it.
    virtual void showMessage(const QString &key, const QString &path);
    // Busy: the window takes no input but repaints. Done: enabled again, with the focus.
    virtual void setBusy(bool busy);
    // The status line, then the window repaints.
    virtual void showStatus(const QString &text);
    // The count line below the list.
    virtual void updateCountLine();
    // The plan or the journal of the renaming could not be written.
    virtual void showFailure(const QString &text);
};

// What the renaming command did with one entry; no status when the entry was skipped because
// its file was gone.
struct RenameOutcome {
    std::optional<RenameStatus> status;
    QString oldPath;
    QString newPath;
};

// The two lines of the preview with their tooltips.
struct RenamePreview {
    QString oldName, oldTip;
    QString newName, newTip;
};

class RenameTool {
public:
    // okForAll is the message window's "OK für alle" flag.
    RenameTool(Settings &settings, bool &okForAll, RenamerFeedback &feedback,
               const LocaleFormat &format = LocaleFormat::system());

    RenameList &list() { return m_list; }
    const RenameList &list() const { return m_list; }

    // The extensions a folder search takes, as folder walk patterns (".*" for all files).
    QStringList searchPatterns() const;
    // AddOrdner: the matching files of an existing folder, into its subfolders when DU::uv is on.
    void addFolder(const QString &folder);
    // add2list: one file; a path already listed raises "dateischoninliste" unless okForAll.
    void addFile(const QString &path);
    // Dropped paths in their order: folders as addFolder, anything else as addFile.
    void addDropped(const QStringList &paths);
    void removeRows(const QList<int> &rows);
    void removeAll();
    // " Dateien geladen" after the number of entries, in the current language.
    QString countLineText() const;

    // UmbenennenClick: every entry once, numbered in the order of the list at the start, renamed
    // as one batch.
    QList<RenameOutcome> renameAll();
    // Renames back, never over another file, the newest batch of the journal, which may come
    // from an earlier run of the program.
    bool canUndo() const;
    void undo();

    QString previewedPath() const { return m_previewedPath; }
    void setPreviewedPath(const QString &path) { m_previewedPath = path; }
    // Vorschau: the previewed path's old and new name, numbered at the previewed entry's row.
    RenamePreview preview() const;

private:
    // How an entry renamed by this run looked before.
    struct UndoStep {
        QString oldName, oldType;
    };
    // The matching files of a folder, without the busy state and its end.
    void collectFolder(const QString &folder);
    // The entry a file gets when it is added.
    RenameEntry entryOf(const QString &path) const;
    // Raises "dateischoninliste" for a path listed already, unless okForAll.
    void refuseListedPath(const QString &path);
    // The end of adding: the count line, the window back, "OK for all" cleared.
    void finishAdding();
    // The status of an entry that cannot or need not be renamed; nullopt when it goes to the batch.
    std::optional<RenameStatus> statusBeforeRenaming(const QString &path, const QString &newName) const;
    // The entry with its status and, when renamed, its new name; keeps the step for undoing.
    RenameEntry finishedEntry(RenameEntry entry, RenameStatus status, const QString &newPath);
    // The renamed files as the newest batch of the journal.
    void recordInJournal(const QList<RenameOutcome> &outcomes);
    // The entry of a file renamed back, found among the rows by their paths before the undoing.
    std::optional<RenameEntry> undoneEntry(const JournalMove &move, const QHash<QString, int> &rowOfPath);

    Settings &m_settings;
    bool &m_okForAll;
    RenamerFeedback &m_feedback;
    LocaleFormat m_format;
    RenameList m_list;
    QHash<QString, UndoStep> m_undo; // by the new path
    QString m_previewedPath;
};
