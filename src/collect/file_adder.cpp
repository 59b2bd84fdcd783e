#include "collect/file_adder.h"

#include "collect/checksums.h"
#include "collect/file_collection.h"
#include "collect/file_facts.h"
#include "collect/file_icons.h"
#include "collect/file_rows.h"
#include "collect/folder_walk.h"
#include "collect/ordered_workers.h"
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
    const RowRules rules = rowRules();
    systemPaths.detach();
    const int count = int(systemPaths.size());
    // Small chunks keep the first rows coming soon and a cancelled walk short. Each chunk's rows
    // live only until they join the list.
    constexpr int ChunkSize = 32;
    std::vector<std::vector<MadeRow>> chunks(std::size_t((count + ChunkSize - 1) / ChunkSize));
    std::atomic<bool> stop{false};
    std::vector<std::unique_ptr<FileRowMaker>> makers;
    for (int i = 0; i < OrderedWorkers::workerCount(); ++i)
        makers.push_back(std::make_unique<FileRowMaker>(rules, &stop));
    OrderedWorkers workers(count, ChunkSize, [&](int begin, int end, int worker) {
        std::vector<MadeRow> &rows = chunks[std::size_t(begin / ChunkSize)];
        rows.reserve(std::size_t(end - begin));
        for (int i = begin; i < end && !stop; ++i)
            rows.push_back(makers[std::size_t(worker)]->rowFromDisk(systemPaths.at(i)));
    });
    m_state.fileList.reserve(count);
    int shown = 0;
    for (int done = 0; done < count;) {
        const int end = workers.waitForChunk(done, std::chrono::milliseconds(40));
        bool cancelled = false;
        // A cancel request counts after each file, or while waiting for the next ones.
        for (; done < end && !cancelled; ++done) {
            MadeRow &made = chunks[std::size_t(done / ChunkSize)][std::size_t(done % ChunkSize)];
            takeMadeRow(std::move(made), made.row ? QString() : shownPath(systemPaths.at(done)));
            // The list is not shared, so this writes in place while workers read other paths.
            systemPaths[done] = QByteArray();
            cancelled = m_feedback.takeCancelRequest();
            // A new vector, not `= {}`, which would keep the old one's room.
            if (done % ChunkSize == ChunkSize - 1 || done + 1 == count)
                chunks[std::size_t(done / ChunkSize)] = std::vector<MadeRow>();
        }
        if (end < 0)
            cancelled = m_feedback.takeCancelRequest();
        if (cancelled) {
            stop = true;
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
        FileRowMaker(rules).writeFacts(entry, folder, info, m_correction);
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
        EntryFacts facts;
        readPathFacts(entry.systemPath(), facts);
        const PathFacts info = withTypeFacts(path, facts);
        const RowRules rules = rowRules();
        FileRowMaker(rules).writeFacts(entry, path, info, false);
        entry.iconIndex = m_icons ? m_icons->iconOfPath(path) : -1;
        entry.cells[CellFormat] = formatOfExtension(path);
        entry.cells[CellSizeText] = kilobyteText(info.size, m_format);
        entry.cells[CellProgram] = info.programAsStated;
    } catch (const std::exception &) {
    }
    m_state.fileList.replace(row, entry);
}
