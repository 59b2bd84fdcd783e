// Reactions to changes below the watched folder. They read the folder field's current text,
// compare paths exactly, as the file system does, and never show messages.
#include "collect/file_adder.h"
#include "collect/file_collection.h"
#include "collect/file_facts.h"
#include "common/paths.h"

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

QString FileAdder::watchedFolder() const
{
    return m_state.settings.value(PB::inp_ordner);
}

bool FileAdder::belowWatchedFolder(const QString &path) const
{
    const QString watched = watchedFolder();
    return !watched.isEmpty() && isFolder(watched) && path.startsWith(watched);
}

int FileAdder::watchedRow(const QString &path) const
{
    if (!belowWatchedFolder(path))
        return -1;
    const QVector<FileEntry> &rows = m_state.fileList.rows();
    for (int row = int(rows.size()) - 1; row >= 0; --row)
        if (rows[row].path() == path)
            return row;
    return -1;
}

void FileAdder::onWatchedCreated(const QString &path)
{
    if (!belowWatchedFolder(path))
        return;
    updateDaylightBias();
    if (!m_state.settings.isOn(PB::inp_uv) && folderPart(path) != withSlash(watchedFolder()))
        return;
    m_state.okForAll = true;
    addFile(path);
    m_feedback.refreshPreviewIfOn();
    m_state.okForAll = false;
    m_feedback.updateCountLabel();
}

void FileAdder::onWatchedDeleted(const QString &path)
{
    const int row = watchedRow(path);
    if (row < 0)
        return;
    m_state.fileList.removeRowsAt({row});
    m_feedback.refreshPreviewIfOn();
    m_feedback.updateCountLabel();
}

void FileAdder::onWatchedRenamed(const QString &oldPath, const QString &newPath)
{
    const int row = watchedRow(oldPath);
    if (row < 0)
        return;
    FileEntry entry = m_state.fileList.at(row);
    entry.cells[CellPath] = newPath;
    m_state.fileList.replace(row, entry);
    refreshRow(row);
    m_feedback.refreshPreviewIfOn();
}

void FileAdder::onWatchedUpdated(const QString &path)
{
    const int row = watchedRow(path);
    if (row < 0)
        return;
    refreshRow(row);
    m_feedback.refreshPreviewIfOn();
}

void FileAdder::onWatchEvent(WatchEvent event, const QString &path1, const QString &path2)
{
    switch (event) {
    case WatchEvent::Create:
        onWatchedCreated(path1);
        break;
    case WatchEvent::Delete:
        onWatchedDeleted(path1);
        break;
    case WatchEvent::RenameItem:
        onWatchedRenamed(path1, path2);
        break;
    case WatchEvent::Attributes:
    case WatchEvent::UpdateItem:
        onWatchedUpdated(path1);
        break;
    }
}
