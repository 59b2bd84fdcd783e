#include "collect/file_adder.h"

#include "collect/checksums.h"
#include "collect/file_collection.h"
#include "collect/file_facts.h"
#include "collect/file_icons.h"
#include "collect/row_texts.h"
#include "common/paths.h"

#include <exception>

FileAdder::FileAdder(FileCollection &state, AddingFeedback &feedback, FileIcons *icons,
                     const LocaleFormat &format)
    : m_state(state), m_feedback(feedback), m_icons(icons), m_format(format)
{
    updateDaylightBias();
}

void FileAdder::updateDaylightBias(std::time_t now)
{
    m_zone = ZoneBias::at(now);
    m_correction = m_zone.correctionApplies(m_state.settings.isOn(MenuSwitch::DaylightCorrection));
}

bool FileAdder::refusedAsDuplicate(const QString &path)
{
    if (!m_state.settings.isOn(MenuSwitch::RefuseDuplicates))
        return false;
    if (!m_state.fileList.containsPath(path))
        return false;
    if (!m_state.okForAll)
        m_feedback.showMessage(QStringLiteral("dateischoninliste"), path);
    return true;
}

void FileAdder::writeFacts(FileEntry &entry, const QString &path, const PathFacts &info, bool corrected,
                           Language language) const
{
    entry.name = namePart(path);
    entry.cells[CellTypeName] = info.typeName;
    entry.created = m_zone.wallClock(info.created, corrected);
    entry.accessed = m_zone.wallClock(info.accessed, corrected);
    entry.changed = m_zone.wallClock(info.changed, corrected);
    const auto text = [this](const QDateTime &when) {
        return when.isValid() ? m_format.dateTimeText(when) : QString();
    };
    entry.cells[CellCreated] = text(entry.created);
    entry.cells[CellAccessed] = text(entry.accessed);
    entry.cells[CellChanged] = text(entry.changed);
    entry.cells[CellReadOnly] = yesNoText(info.readOnly, language);
    entry.cells[CellHidden] = yesNoText(info.hidden, language);
    entry.cells[CellSizeBytes] = QString::number(info.size);
}

void FileAdder::reportFormatError(const QString &path)
{
    if (!m_state.okForAll)
        m_feedback.showMessage(QStringLiteral("formatfehler"), path);
}

void FileAdder::addFile(const QString &path)
{
    if (refusedAsDuplicate(path))
        return;
    // The row is appended whole or not at all, so a failure never leaves a half-filled row.
    try {
        const Language language = m_state.settings.language();
        const PathFacts info = gatherFileFacts(path);
        FileEntry entry;
        writeFacts(entry, path, info, m_correction, language);
        entry.iconIndex = m_icons ? m_icons->fileIconNumber(path) : -1;
        entry.cells[CellFormat] = formatOfExtension(path);
        entry.cells[CellSizeText] = fileSizeText(info.size, m_format);
        entry.cells[CellProgram] = info.program;
        entry.cells[CellPath] = path;
        fillChecksumCells(entry, path, info.size, m_state.settings, language);
        m_state.fileList.append(entry);
    } catch (const std::exception &) {
        reportFormatError(path);
    }
}

void FileAdder::addFolderRow(const QString &folder)
{
    if (refusedAsDuplicate(folder))
        return;
    try {
        const PathFacts info = gatherFolderFacts(folder);
        FileEntry entry;
        writeFacts(entry, folder, info, m_correction, m_state.settings.language());
        entry.iconIndex = m_icons ? m_icons->iconOfPath(folder) : -1;
        entry.cells[CellFormat] = QStringLiteral("DIR");
        entry.cells[CellSizeText] = kilobyteText(info.size, m_format);
        entry.cells[CellPath] = folder;
        m_state.fileList.append(entry);
    } catch (const std::exception &) {
        reportFormatError(folder);
    }
}

void FileAdder::refreshRow(int row)
{
    if (row < 0 || row >= m_state.fileList.count())
        return;
    FileEntry entry = m_state.fileList.at(row);
    // Errors are swallowed: the cells written so far keep their new texts.
    try {
        const QString path = entry.path();
        const PathFacts info = gatherFileFacts(path);
        writeFacts(entry, path, info, false, m_state.settings.language());
        entry.iconIndex = m_icons ? m_icons->iconOfPath(path) : -1;
        entry.cells[CellFormat] = formatOfExtension(path);
        entry.cells[CellSizeText] = kilobyteText(info.size, m_format);
        entry.cells[CellProgram] = info.programAsStated;
    } catch (const std::exception &) {
    }
    m_state.fileList.replace(row, entry);
}
