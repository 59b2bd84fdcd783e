#include "renamer/rename_tool.h"

#include "collect/folder_walk.h"
#include "common/paths.h"
#include "common/settings.h"
#include "renamer/safe_rename.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>
#include <utility>

void RenamerFeedback::showMessage(const QString &, const QString &) {}
void RenamerFeedback::setBusy(bool) {}
void RenamerFeedback::showStatus(const QString &) {}
void RenamerFeedback::updateCountLine() {}

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

} // namespace

RenameTool::RenameTool(Settings &settings, bool &okForAll, RenamerFeedback &feedback,
                       const LocaleFormat &format)
    : m_settings(settings), m_okForAll(okForAll), m_feedback(feedback), m_format(format), m_list(format)
{
    m_list.setRule(RenameRule::fromSettings(settings));
    m_list.setLanguage(settings.language());
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

RenameStatus RenameTool::renameEntry(int row, int position, int entryCount, const RenameRule &rule,
                                     QString &newPath)
{
    RenameEntry entry = m_list.at(row);
    const QString newName = renameName(namePart(entry.path), position, entryCount, rule);
    newPath = folderPart(entry.path) + newName;
    const RenameStatus status = [&] {
        if (lostItsBytes(entry.path) || !isUsableFileName(newName))
            return RenameStatus::Failed;
        if (pathTaken(newPath))
            return newPath == entry.path ? RenameStatus::NotRenamed : RenameStatus::Exists;
        switch (renameWithoutReplacing(entry.path, newPath)) {
        case RenameResult::Renamed:
            return RenameStatus::Renamed;
        case RenameResult::TargetExists:
            return RenameStatus::Exists;
        case RenameResult::Failed:
            break;
        }
        return RenameStatus::Failed;
    }();
    if (status == RenameStatus::Renamed) {
        m_undo.append({entry.id, entry.path, newPath, entry.name, entry.type});
        if (m_previewedPath == entry.path)
            m_previewedPath = newPath;
        entry.name = newName;
        entry.type = formatOfExtension(newName);
        entry.path = newPath;
    }
    entry.status = renameStatusText(status, m_settings.language());
    m_list.replace(row, entry);
    return status;
}

QList<RenameOutcome> RenameTool::renameAll()
{
    QList<RenameOutcome> outcomes;
    if (m_list.count() == 0)
        return outcomes;
    m_feedback.setBusy(true);
    const RenameRule rule = RenameRule::fromSettings(m_settings);
    const int entryCount = m_list.count();
    // Renamed entries move to their places at once, so each is found again by its id.
    QList<quint64> order;
    for (int row = 0; row < entryCount; ++row)
        order.append(m_list.at(row).id);
    m_undo.clear();
    int renamed = 0, notRenamed = 0;
    for (int position = 0; position < entryCount; ++position) {
        const int row = m_list.rowOfId(order[position]);
        // Events run while the command works; an entry gone meanwhile is not renamed.
        if (row < 0)
            continue;
        RenameOutcome outcome{std::nullopt, m_list.at(row).path, QString()};
        // A folder or a vanished file is passed over without a status; a name that lost its
        // bytes names nothing either, but is reported.
        if (QFileInfo(outcome.oldPath).isFile() || lostItsBytes(outcome.oldPath)) {
            outcome.status = renameEntry(row, position, entryCount, rule, outcome.newPath);
            ++(outcome.status == RenameStatus::Renamed ? renamed : notRenamed);
            m_feedback.showStatus(renamedText(renamed, notRenamed, m_settings.language()));
        }
        outcomes.append(outcome);
    }
    m_feedback.setBusy(false);
    return outcomes;
}

void RenameTool::undo()
{
    if (m_undo.isEmpty())
        return;
    m_feedback.setBusy(true);
    QList<UndoStep> failed;
    int undone = 0;
    for (auto step = m_undo.crbegin(); step != m_undo.crend(); ++step) {
        // The file is renamed back even when its entry left the list meanwhile.
        if (renameWithoutReplacing(step->newPath, step->oldPath) != RenameResult::Renamed) {
            failed.prepend(*step);
        } else {
            ++undone;
            if (m_previewedPath == step->newPath)
                m_previewedPath = step->oldPath;
            if (const int row = m_list.rowOfId(step->id); row >= 0) {
                RenameEntry entry = m_list.at(row);
                entry.name = step->oldName;
                entry.type = step->oldType;
                entry.path = step->oldPath;
                entry.status = renameStatusText(RenameStatus::Undone, m_settings.language());
                m_list.replace(row, entry);
            }
        }
        m_feedback.showStatus(undoneText(undone, int(failed.size()), m_settings.language()));
    }
    // What could not go back can be tried again.
    m_undo = failed;
    m_feedback.setBusy(false);
}

RenamePreview RenameTool::preview() const
{
    RenamePreview lines{namePart(m_previewedPath), m_previewedPath, {}, {}};
    if (m_previewedPath.isEmpty())
        return lines;
    const int row = m_list.rowOfPath(m_previewedPath);
    lines.newName =
        renameName(lines.oldName, qMax(row, 0), m_list.count(), RenameRule::fromSettings(m_settings));
    lines.newTip = folderPart(m_previewedPath) + lines.newName;
    return lines;
}
