#include "renamer/rename_tool.h"

#include "collect/folder_walk.h"
#include "common/paths.h"
#include "common/settings.h"
#include "common/tabulix_error.h"
#include "renamer/rename_batch.h"
#include "renamer/rename_journal.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QScopeGuard>

#include <sys/stat.h>
#include <utility>

void RenamerFeedback::showMessage(const QString &, const QString &) {}
void RenamerFeedback::setBusy(bool) {}
void RenamerFeedback::showStatus(const QString &) {}
void RenamerFeedback::updateCountLine() {}
void RenamerFeedback::showFailure(const QString &) {}

namespace {

// The size the file system lists for the file, -1 when it cannot be found.
qint64 fileSize(const QString &path)
{
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 ? qint64(info.st_size) : -1;
}

// A name that was not UTF-8 reaches us with U+FFFD in place of its bytes, so it names nothing;
// a new name could not carry the original bytes either.
bool lostItsBytes(const QString &path)
{
    return path.contains(QChar::ReplacementCharacter) && !pathTaken(path);
}

RenameStatus statusOfResult(RenameResult result)
{
    switch (result) {
    case RenameResult::Renamed:
        return RenameStatus::Renamed;
    case RenameResult::TargetExists:
        return RenameStatus::Exists;
    case RenameResult::Failed:
        break;
    }
    return RenameStatus::Failed;
}

} // namespace

RenameTool::RenameTool(Settings &settings, bool &okForAll, RenamerFeedback &feedback,
                       const LocaleFormat &format)
    : m_settings(settings), m_okForAll(okForAll), m_feedback(feedback), m_format(format), m_list(format)
{
    m_list.setRule(RenameRule::fromSettings(settings));
    m_list.setLanguage(settings.language());
    const ZoneBias zone = ZoneBias::at(std::time(nullptr));
    m_list.setZone(zone, zone.correctionApplies(settings.isOn(MenuSwitch::DaylightCorrection)));
    QObject::connect(&settings, &Settings::changed, &m_list, [this](SettingId id) {
        if (windowOf(id) == SettingsWindow::DU)
            m_list.setRule(RenameRule::fromSettings(m_settings));
    });
    QObject::connect(&settings, &Settings::languageChanged, &m_list,
                     [this](Language language) { m_list.setLanguage(language); });
}

QStringList RenameTool::searchPatterns() const
{
    if (m_settings.isOn(DF::alle))
        return {QStringLiteral(".*")};
    QStringList patterns;
    const QString filter = m_settings.value(DF::filter).remove(u' ');
    for (const QString &item : filter.split(u',', Qt::SkipEmptyParts))
        patterns.append(item.startsWith(u'.') ? item : u'.' + item);
    return patterns;
}

void RenameTool::collectFolder(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    const QStringList patterns = searchPatterns();
    // A filter without any extension finds nothing.
    if (patterns.isEmpty())
        return;
    const bool subfolders = m_settings.isOn(DU::uv);
    // The files go into the list together, which sorts them once.
    QList<RenameEntry> found;
    QSet<QString> foundPaths;
    // A name that lost its bytes is listed all the same, so the renaming can tell why it stays.
    for (const QString &path : walkFolder(folder, patterns, subfolders)) {
        if (!QFileInfo(path).isFile() && !lostItsBytes(path))
            continue;
        if (foundPaths.contains(path) || m_list.containsPath(path)) {
            // The list shows what was found before the message does.
            m_list.addAll(std::exchange(found, {}));
            refuseListedPath(path);
            continue;
        }
        foundPaths.insert(path);
        found.append(entryOf(path));
    }
    m_list.addAll(std::move(found));
    m_feedback.showStatus(loadedText(m_list.count(), m_settings.language()));
}

RenameEntry RenameTool::entryOf(const QString &path) const
{
    const QString name = namePart(path);
    return {0, renameBase(name), formatOfExtension(name), renameSizeText(fileSize(path), m_format),
            renameStatusText(RenameStatus::Added, m_settings.language()), path};
}

void RenameTool::refuseListedPath(const QString &path)
{
    if (!m_okForAll)
        m_feedback.showMessage(QStringLiteral("dateischoninliste"), path);
}

void RenameTool::finishAdding()
{
    m_feedback.updateCountLine();
    m_feedback.setBusy(false);
    m_okForAll = false;
}

void RenameTool::addFolder(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    m_feedback.setBusy(true);
    collectFolder(folder);
    finishAdding();
}

void RenameTool::addFile(const QString &path)
{
    if (m_list.containsPath(path)) {
        refuseListedPath(path);
        return;
    }
    m_list.add(entryOf(path));
    m_feedback.showStatus(loadedText(m_list.count(), m_settings.language()));
}

void RenameTool::addDropped(const QStringList &paths)
{
    // "OK for all" holds for the whole drop.
    m_feedback.setBusy(true);
    int handled = 0;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            collectFolder(path);
        else if (info.exists())
            addFile(path);
        m_feedback.showStatus(loadedText(++handled, m_settings.language()));
    }
    finishAdding();
}

void RenameTool::removeRows(const QList<int> &rows)
{
    m_list.removeRowNumbers(rows);
    m_feedback.updateCountLine();
}

void RenameTool::removeAll()
{
    m_list.clear();
    m_feedback.updateCountLine();
}

QString RenameTool::countLineText() const
{
    return loadedText(m_list.count(), m_settings.language());
}

std::optional<RenameStatus> RenameTool::statusBeforeRenaming(const QString &path,
                                                             const QString &newName) const
{
    if (lostItsBytes(path) || !isUsableFileName(newName))
        return RenameStatus::Failed;
    if (folderPart(path) + newName == path)
        return RenameStatus::NotRenamed;
    return std::nullopt;
}

RenameEntry RenameTool::finishedEntry(RenameEntry entry, RenameStatus status, const QString &newPath)
{
    if (status == RenameStatus::Renamed) {
        m_undo.insert(newPath, {entry.name, entry.type});
        if (m_previewedPath == entry.path)
            m_previewedPath = newPath;
        entry.name = namePart(newPath);
        entry.type = formatOfExtension(entry.name);
        entry.path = newPath;
    }
    entry.status = renameStatusText(status, m_settings.language());
    return entry;
}

QList<RenameOutcome> RenameTool::renameAll()
{
    QList<RenameOutcome> outcomes;
    if (m_list.count() == 0)
        return outcomes;
    m_feedback.setBusy(true);
    const auto idle = qScopeGuard([this] { m_feedback.setBusy(false); });
    const RenameRule rule = RenameRule::fromSettings(m_settings);
    const int entryCount = m_list.count();
    const Language language = m_settings.language();
    // A search that cannot run renames nothing.
    if (const QString problem = rule.searchProblem(); !problem.isEmpty()) {
        m_feedback.showFailure(invalidPatternText(problem, language));
        return outcomes;
    }
    // Every entry is numbered by its row at the start and renamed in one batch, so an entry may
    // take a name that another entry gives up.
    QList<RenameEntry> started;
    QList<RenameMove> moves;
    QList<qsizetype> outcomeOfMove;
    for (int position = 0; position < entryCount; ++position) {
        const RenameEntry &entry = m_list.at(position);
        RenameOutcome outcome{std::nullopt, entry.path, QString()};
        // A folder or a vanished file is passed over without a status; a name that lost its
        // bytes names nothing either, but is reported.
        if (QFileInfo(entry.path).isFile() || lostItsBytes(entry.path)) {
            const QString newName = renameName(namePart(entry.path), position, entryCount, rule,
                                               m_list.factsOf(entry.path, rule));
            outcome.newPath = folderPart(entry.path) + newName;
            outcome.status = statusBeforeRenaming(entry.path, newName);
            if (!outcome.status) {
                outcomeOfMove.append(outcomes.size());
                moves.append({entry.path, outcome.newPath});
            }
        }
        started.append(entry);
        outcomes.append(outcome);
    }
    m_undo.clear();
    int renamed = 0;
    QList<RenameResult> results(moves.size(), RenameResult::Failed);
    try {
        results = renameBatch(moves, [&](const PlannedMove &, FileLocation arrivedAt) {
            if (arrivedAt == FileLocation::New)
                m_feedback.showStatus(renamedText(++renamed, 0, language));
        });
    } catch (const TabulixError &error) {
        m_feedback.showFailure(error.message());
    }
    for (qsizetype i = 0; i < moves.size(); ++i)
        outcomes[outcomeOfMove[i]].status = statusOfResult(results[i]);
    renamed = 0;
    int notRenamed = 0;
    QList<RenameEntry> finished;
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        if (!outcomes[i].status)
            continue;
        finished.append(finishedEntry(started[i], *outcomes[i].status, outcomes[i].newPath));
        ++(outcomes[i].status == RenameStatus::Renamed ? renamed : notRenamed);
    }
    m_list.replaceAll(finished);
    m_feedback.showStatus(renamedText(renamed, notRenamed, language));
    recordInJournal(outcomes);
    return outcomes;
}

void RenameTool::recordInJournal(const QList<RenameOutcome> &outcomes)
{
    QList<JournalMove> moves;
    for (const RenameOutcome &outcome : outcomes) {
        struct stat info {};
        if (outcome.status == RenameStatus::Renamed &&
            lstat(QFile::encodeName(outcome.newPath).constData(), &info) == 0)
            moves.append({outcome.oldPath, outcome.newPath, quint64(info.st_dev), quint64(info.st_ino)});
    }
    if (moves.isEmpty())
        return;
    try {
        recordBatch(moves, QDateTime::currentDateTimeUtc());
    } catch (const TabulixError &error) {
        m_feedback.showFailure(error.message());
    }
}

bool RenameTool::canUndo() const
{
    return !loadJournal().isEmpty();
}

void RenameTool::undo()
{
    m_feedback.setBusy(true);
    const auto idle = qScopeGuard([this] { m_feedback.setBusy(false); });
    std::optional<QList<UndoneMove>> undone;
    try {
        undone = undoBatch(std::nullopt);
    } catch (const TabulixError &error) {
        m_feedback.showFailure(error.message());
    }
    if (!undone)
        return;
    QHash<QString, int> rowOfPath;
    rowOfPath.reserve(m_list.count());
    for (int row = 0; row < m_list.count(); ++row)
        rowOfPath.insert(m_list.at(row).path, row);
    int back = 0;
    QList<RenameEntry> shown;
    for (const UndoneMove &move : *undone) {
        if (!move.undone)
            continue;
        ++back;
        if (std::optional<RenameEntry> entry = undoneEntry(move.move, rowOfPath))
            shown.append(*entry);
    }
    m_list.replaceAll(shown);
    m_feedback.showStatus(undoneText(back, int(undone->size()) - back, m_settings.language()));
}

std::optional<RenameEntry> RenameTool::undoneEntry(const JournalMove &move, const QHash<QString, int> &rowOfPath)
{
    if (m_previewedPath == move.newPath)
        m_previewedPath = move.oldPath;
    // The file is renamed back even when its entry left the list meanwhile.
    const int row = rowOfPath.value(move.newPath, -1);
    if (row < 0)
        return std::nullopt;
    RenameEntry entry = m_list.at(row);
    // An entry renamed by this run looks as it did before; one renamed by an earlier run shows
    // its whole old name.
    const UndoStep step = m_undo.take(move.newPath);
    entry.name = step.oldName.isEmpty() ? namePart(move.oldPath) : step.oldName;
    entry.type = step.oldName.isEmpty() ? formatOfExtension(move.oldPath) : step.oldType;
    entry.path = move.oldPath;
    entry.status = renameStatusText(RenameStatus::Undone, m_settings.language());
    return entry;
}

RenamePreview RenameTool::preview() const
{
    RenamePreview lines{namePart(m_previewedPath), m_previewedPath, {}, {}};
    if (m_previewedPath.isEmpty())
        return lines;
    const int row = m_list.rowOfPath(m_previewedPath);
    const RenameRule rule = RenameRule::fromSettings(m_settings);
    lines.newName =
        renameName(lines.oldName, qMax(row, 0), m_list.count(), rule, m_list.factsOf(m_previewedPath, rule));
    lines.newTip = folderPart(m_previewedPath) + lines.newName;
    return lines;
}
