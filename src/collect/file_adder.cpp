#include "collect/file_adder.h"

#include "collect/checksums.h"
#include "collect/file_collection.h"
#include "collect/file_facts.h"
#include "collect/file_icons.h"
#include "collect/file_rows.h"
#include "collect/folder_walk.h"
#include "collect/row_pipeline.h"
#include "collect/row_texts.h"
#include "collect/system_path.h"
#include "common/paths.h"

#include <cerrno>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

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

RowRules FileAdder::rowRules() const
{
    const Language language = m_state.settings.language();
    return {m_format, m_zone, m_correction, language, checksumPlan(m_state.settings, language)};
}

void FileAdder::reportFormatError(const QString &path)
{
    if (!m_state.okForAll)
        m_feedback.showMessage(QStringLiteral("formatfehler"), path);
}

void FileAdder::appendFileRow(FileEntry &&entry)
{
    if (refusedAsDuplicate(entry.path()))
        return;
    entry.iconIndex = m_icons ? m_icons->fileIconNumber(entry.path()) : -1;
    m_state.fileList.append(std::move(entry));
}

void FileAdder::addFile(const QString &path)
{
    const RowRules rules = rowRules();
    takeMadeRow(FileRowMaker(rules).rowFromDisk(encodedPath(path)), path);
}

void FileAdder::takeMadeRow(MadeRow &&made, const QString &path)
{
    if (made.row)
        appendFileRow(std::move(*made.row));
    else if (made.failed)
        reportFormatError(path);
    // A file that has just vanished is not worth a word.
    else if (made.error != 0 && made.error != ENOENT)
        m_feedback.reportUnreadable(path, made.error);
}

void FileAdder::addFoundFiles(QVector<QByteArray> systemPaths, const std::function<void(int done)> &progress)
{
    RowPipeline rows(rowRules());
    rows.addPaths(std::move(systemPaths));
    rows.finishPaths();
    takeMadeRows(rows, progress);
}

void FileAdder::takeMadeRows(RowPipeline &rows, const std::function<void(int done)> &progress)
{
    const int count = rows.pathCount();
    m_state.fileList.reserve(count);
    int shown = 0;
    for (int done = 0; done < count;) {
        std::optional<RowPipeline::MadeChunk> chunk = rows.takeChunk(done, std::chrono::milliseconds(40));
        bool cancelled = false;
        // A cancel request counts after each file, or while waiting for the next ones.
        if (chunk) {
            for (std::size_t i = 0; i < chunk->rows.size() && !cancelled; ++i, ++done) {
                MadeRow &made = chunk->rows[i];
                takeMadeRow(std::move(made), made.row ? QString() : shownPath(chunk->paths[qsizetype(i)]));
                cancelled = m_feedback.takeCancelRequest();
            }
        } else {
            cancelled = m_feedback.takeCancelRequest();
        }
        if (cancelled) {
            rows.stop();
            break;
        }
        // Progress counts every seventh file (1, 8, 15, ...): the last such count reached.
        const int reached = done > 0 ? (done - 1) / 7 * 7 + 1 : 0;
        if (reached > shown) {
            shown = reached;
            progress(reached);
        } else {
            m_feedback.handlePendingEvents();
        }
    }
}

void FileAdder::addFolderRow(const QString &folder)
{
    if (refusedAsDuplicate(folder))
        return;
    try {
        const RowRules rules = rowRules();
        const PathFacts info = gatherFolderFacts(
            folder, [this](const QString &path, int error) { m_feedback.reportUnreadable(path, error); });
        FileEntry entry;
        entry.setSystemPath(encodedPath(folder));
        FileRowMaker(rules).writeFacts(entry, namePart(entry.path()), info, m_correction);
        entry.iconIndex = m_icons ? m_icons->iconOfPath(folder) : -1;
        entry.cells[CellFormat] = QStringLiteral("DIR");
        entry.cells[CellSizeText] = kilobyteText(info.size, m_format);
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
        EntryFacts facts;
        readPathFacts(entry.systemPath(), facts);
        const PathFacts info = withTypeFacts(path, facts);
        const RowRules rules = rowRules();
        FileRowMaker(rules).writeFacts(entry, namePart(path), info, false);
        entry.iconIndex = m_icons ? m_icons->iconOfPath(path) : -1;
        entry.cells[CellFormat] = formatOfExtension(path);
        entry.cells[CellSizeText] = kilobyteText(info.size, m_format);
        entry.cells[CellProgram] = info.programAsStated;
    } catch (const std::exception &) {
    }
    m_state.fileList.replace(row, entry);
}
