// The bulk ways into the list: folders, dropped paths, files chosen in the open dialog and the
// lines of file-list files.
#include "collect/file_adder.h"
#include "collect/file_collection.h"
#include "collect/file_facts.h"
#include "collect/folder_walk.h"
#include "collect/row_pipeline.h"
#include "collect/system_path.h"
#include "collect/type_filter.h"
#include "common/message_catalogue.h"

#include <QElapsedTimer>

namespace {

// Whatever ends a bulk step, the window gets its input back and "OK for all" is cleared.
class BulkStep {
public:
    BulkStep(FileCollection &state, AddingFeedback &feedback) : m_state(state), m_feedback(feedback) {}
    ~BulkStep()
    {
        m_feedback.updateCountLabel();
        if (m_paintingSuspended)
            m_feedback.suspendListPainting(false);
        m_feedback.hideProgress();
        m_state.okForAll = false;
    }
    void suspendPainting()
    {
        m_feedback.suspendListPainting(true);
        m_paintingSuspended = true;
    }

private:
    FileCollection &m_state;
    AddingFeedback &m_feedback;
    bool m_paintingSuspended = false;
};

// How long the window may go without handling its events during a walk.
constexpr qint64 EventsEveryMs = 40;

QString counted(qint64 count, UiText suffix, Language language)
{
    return QString::number(count) + uiText(suffix, language);
}

} // namespace

void FileAdder::addSubfolderRows(const QString &folder, bool subfolders)
{
    for (const QString &subfolder : listSubfolders(folder)) {
        addFolderRow(subfolder);
        if (subfolders)
            addSubfolderRows(subfolder, true);
    }
}

void FileAdder::addFolderFiles(const QString &folder)
{
    updateDaylightBias();
    if (folder.isEmpty() || !isFolder(folder))
        return;
    const QStringList patterns = filterPatterns(m_state.settings);
    const bool subfolders = m_state.settings.isOn(PB::inp_uv);
    const Language language = m_state.settings.language();

    m_state.okForAll = true;
    {
        BulkStep step(m_state, m_feedback);
        m_feedback.showProgress({uiText(UiText::SearchingTitle, language),
                                 counted(0, UiText::FoundSuffix, language),
                                 counted(0, UiText::AnalysedSuffix, language), 0, 0});
        m_feedback.handlePendingEvents();
        // The window's events keep running during a long walk, and its cancel ends the walk with
        // nothing added.
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        bool cancelled = false;
        // Rows are made from the first folder's files on while the walk goes on.
        RowPipeline rows(rowRules());
        walkFolderFiles(
            folder, patterns, subfolders,
            [&rows](QVector<QByteArray> files) { rows.addPaths(std::move(files)); },
            [this](const QString &path, int error) { m_feedback.reportUnreadable(path, error); },
            [&] {
                if (sinceEvents.elapsed() < EventsEveryMs)
                    return true;
                m_feedback.handlePendingEvents();
                sinceEvents.restart();
                cancelled = m_feedback.takeCancelRequest();
                return !cancelled;
            });
        if (cancelled)
            rows.stop();
        rows.finishPaths();

        const int found = cancelled ? 0 : rows.pathCount();
        const QString analysing = uiText(UiText::AnalysingTitle, language);
        const QString foundLine = counted(found, UiText::FoundSuffix, language);
        m_feedback.showProgress(
            {analysing, foundLine, counted(0, UiText::AnalysedSuffix, language), 0, found});
        m_feedback.handlePendingEvents();
        step.suspendPainting();
        if (!cancelled)
            takeMadeRows(rows, [&](int done) {
                m_feedback.showProgress(
                    {analysing, foundLine, counted(done, UiText::AnalysedSuffix, language), done, found});
                m_feedback.handlePendingEvents();
            });
    }
    m_feedback.refreshPreviewIfOn();
}

void FileAdder::addPath(const QString &path)
{
    // A path that names nothing on disk gets no row.
    if (const int error = accessError(path)) {
        m_feedback.reportUnreadable(path, error);
        return;
    }
    if (isFolder(path)) {
        if (m_state.settings.isOn(MenuSwitch::AddFolderRows))
            addFolderRow(path);
        if (m_state.settings.isOn(MenuSwitch::AddFolderFiles))
            addFolderFiles(path);
    } else if (m_state.settings.isOn(MenuSwitch::AddFolderFiles)) {
        addFile(path);
    }
}

void FileAdder::addFolderFromField(const QString &folder)
{
    if (m_state.settings.isOn(MenuSwitch::AddFolderRows))
        addSubfolderRows(folder, m_state.settings.isOn(PB::inp_uv));
    if (m_state.settings.isOn(MenuSwitch::AddFolderFiles))
        addFolderFiles(folder);
}

void FileAdder::addDroppedPaths(const QStringList &paths)
{
    updateDaylightBias();
    const int count = int(paths.size());
    const Language language = m_state.settings.language();
    const QString analysing = uiText(UiText::AnalysingTitle, language);
    const QString droppedLine = counted(count, UiText::AddingSuffix, language);
    {
        BulkStep step(m_state, m_feedback);
        step.suspendPainting();
        m_feedback.showProgress(
            {analysing, droppedLine, counted(0, UiText::AnalysedSuffix, language), 0, count});
        m_feedback.handlePendingEvents();
        for (int done = 1; done <= count; ++done) {
            addPath(paths[done - 1]);
            m_feedback.handlePendingEvents();
            // A dropped folder's walk hid the dialog on its way out; this shows it again.
            m_feedback.showProgress(
                {analysing, droppedLine, counted(done, UiText::AnalysedSuffix, language), done, count});
            if (m_feedback.takeCancelRequest())
                break;
        }
    }
    m_feedback.refreshPreviewIfOn();
}

void FileAdder::addChosenFiles(const QStringList &paths)
{
    QVector<QByteArray> files;
    for (const QString &path : paths)
        if (pathExists(path))
            files.append(encodedPath(path));
    addFoundFiles(std::move(files), [](int) {});
    m_feedback.updateCountLabel();
    m_feedback.refreshPreviewIfOn();
}

int FileAdder::addListedFiles(const QStringList &lines)
{
    int skipped = 0;
    QVector<QByteArray> files;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        // The system would read a line with a zero character (find -print0) up to that character.
        if (!line.contains(QChar(0)) && isNonFolder(line))
            files.append(encodedPath(line));
        else
            ++skipped;
    }
    m_feedback.suspendListPainting(true);
    addFoundFiles(std::move(files), [](int) {});
    m_feedback.suspendListPainting(false);
    m_feedback.updateCountLabel();
    m_feedback.refreshPreviewIfOn();
    return skipped;
}
