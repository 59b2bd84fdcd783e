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
    return m_state.settings.value(SettingsWindow::PB, QStringLiteral("inp_ordner"));
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

void FileAdder::swCreate(const QString &path)
{
    if (!belowWatchedFolder(path))
        return;
    DST_Setzen();
    if (!m_state.settings.isOn(SettingsWindow::PB, QStringLiteral("inp_uv")) &&
        folderPart(path) != withSlash(watchedFolder()))
        return;
    m_state.okForAll = true;
    add2list(path);
    m_feedback.VorschauWennAktiv();
    m_state.okForAll = false;
    m_feedback.UpdateCountLabel();
}

void FileAdder::swDelete(const QString &path)
{
    const int row = watchedRow(path);
    if (row < 0)
        return;
    m_state.fileList.removeRowsAt({row});
    m_feedback.VorschauWennAktiv();
    m_feedback.UpdateCountLabel();
}

void FileAdder::swRenameItem(const QString &oldPath, const QString &newPath)
{
    const int row = watchedRow(oldPath);
    if (row < 0)
        return;
    FileEntry entry = m_state.fileList.at(row);
    entry.cells[CellPath] = newPath;
    m_state.fileList.replace(row, entry);
    UpdateListItem(row);
    m_feedback.VorschauWennAktiv();
}

void FileAdder::swUpdateItem(const QString &path)
{
    const int row = watchedRow(path);
    if (row < 0)
        return;
    UpdateListItem(row);
    m_feedback.VorschauWennAktiv();
}

void FileAdder::shellNotified(ShellEvent event, const QString &path1, const QString &path2)
{
    switch (event) {
    case ShellEvent::Create:
        swCreate(path1);
        break;
    case ShellEvent::Delete:
        swDelete(path1);
        break;
    case ShellEvent::RenameItem:
        swRenameItem(path1, path2);
        break;
    case ShellEvent::Attributes:
    case ShellEvent::UpdateItem:
        swUpdateItem(path1);
        break;
    }
}
