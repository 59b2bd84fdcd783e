#pragma once
// Every path that enters the file list goes through here: single files, folders as rows,
// folder walks through the type filter, dropped paths, chosen files, refreshed rows and the
// reactions to changes in a watched folder.
#include "collect/adding_feedback.h"
#include "collect/folder_watch.h"
#include "collect/zone_bias.h"
#include "common/language.h"
#include "common/locale_format.h"

#include <QStringList>
#include <QVector>
#include <ctime>
#include <functional>

class FileIcons;
struct FileEntry;
struct FileCollection;
struct RowRules;
struct MadeRow;
class RowPipeline;

class FileAdder {
public:
    // icons may be null where nobody shows the list (the command-line program).
    FileAdder(FileCollection &state, AddingFeedback &feedback, FileIcons *icons,
              const LocaleFormat &format = LocaleFormat::system());

    // Fixes the zone and the daylight-saving correction for the rows written next.
    void updateDaylightBias(std::time_t now = std::time(nullptr));
    bool daylightCorrection() const { return m_correction; }

    // One file row; refused when the duplicate switch is on and the path is in the list.
    void addFile(const QString &path);
    // One row for a folder itself, with the total size below it.
    void addFolderRow(const QString &folder);
    // A row for every subfolder of the folder (not the folder itself), in pre-order.
    void addSubfolderRows(const QString &folder, bool subfolders);
    // Walks the folder through the type filter and adds every file found, with progress.
    void addFolderFiles(const QString &folder);
    // A path of unknown kind, by the adding switches; a path naming nothing is skipped.
    void addPath(const QString &path);

    // The folder chosen in the folder field or dialog: its subfolder rows and its files.
    void addFolderFromField(const QString &folder);
    // Paths dropped on the main window, with progress and cancel.
    void addDroppedPaths(const QStringList &paths);
    // Files chosen in the open dialog; each duplicate is reported.
    void addChosenFiles(const QStringList &paths);
    // The lines of a file-list file, unchanged: each that names a file (not a folder) becomes a
    // row, without progress or a preview refresh. Returns how many other non-empty lines there were.
    int addListedFiles(const QStringList &lines);

    // Reads the row's path again from disk: sizes in KB, no daylight correction, the
    // program as stated, checksums kept.
    void refreshRow(int row);

    // Reactions to changes below the watched folder (the folder field's current text).
    void onWatchedCreated(const QString &path);
    void onWatchedDeleted(const QString &path);
    void onWatchedRenamed(const QString &oldPath, const QString &newPath);
    void onWatchedUpdated(const QString &path);
    // Hands a notification of the watch to its reaction.
    void onWatchEvent(WatchEvent event, const QString &path1, const QString &path2);

private:
    bool refusedAsDuplicate(const QString &path);
    // The rules for rows made now: the running language, the zone and the checksum settings.
    RowRules rowRules() const;
    // Appends a file row with its icon unless it is refused as a duplicate.
    void appendFileRow(FileEntry &&entry);
    // Appends the row, or reports why there is none.
    void takeMadeRow(MadeRow &&made, const QString &path);
    // Reads the facts of files and makes their rows on every core, appending them in their
    // order; a file whose facts cannot be read gets no row.
    void addFoundFiles(QVector<QByteArray> systemPaths, const std::function<void(int done)> &progress);
    // Appends the rows of every path the pipeline was given, in their order. Between batches it
    // shows progress (a count of analysed files) or lets window events run; cancel keeps the
    // rows appended so far, each one whole.
    void takeMadeRows(RowPipeline &rows, const std::function<void(int done)> &progress);
    void reportFormatError(const QString &path);
    QString watchedFolder() const; // the folder field's current text
    bool belowWatchedFolder(const QString &path) const;
    // The last row with the path when the path lies below the watched folder, else -1.
    int watchedRow(const QString &path) const;

    FileCollection &m_state;
    AddingFeedback &m_feedback;
    FileIcons *m_icons;
    LocaleFormat m_format;
    ZoneBias m_zone;
    bool m_correction = false;
};
