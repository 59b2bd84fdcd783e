#include "ui/u_adding_feedback.h"

#include "collect/file_list.h"
#include "ui/u_preview_pane.h"
#include "ui/u_qulist.h"
#include "ui/u_sm_bearbeitung.h"
#include "ui/u_sm_meldung.h"

#include <QCoreApplication>

WindowAddingFeedback::WindowAddingFeedback(QWidget &mainWindow, Qulist &list, FileList &rows,
                                           PreviewPane &preview, std::function<void()> updateCount)
    : m_mainWindow(mainWindow), m_list(list), m_rows(rows), m_preview(preview),
      m_updateCount(std::move(updateCount))
{
}

void WindowAddingFeedback::useDialogs(Tsm_bearbeitung &progress, Tsm_meldung &message)
{
    m_progress = &progress;
    m_message = &message;
}

void WindowAddingFeedback::showMessage(const QString &key, const QString &path)
{
    if (m_message)
        m_message->showMessage(key, path);
}

void WindowAddingFeedback::showProgress(const ProgressText &text)
{
    if (!m_progress)
        return;
    m_progress->setProgress(text);
    if (!m_progress->isVisible()) {
        m_mainWindow.setEnabled(false);
        m_progress->show();
    }
}

void WindowAddingFeedback::hideProgress()
{
    if (m_progress)
        m_progress->hide();
    m_mainWindow.setEnabled(true);
    m_mainWindow.activateWindow();
}

void WindowAddingFeedback::handlePendingEvents()
{
    QCoreApplication::processEvents();
}

bool WindowAddingFeedback::takeCancelRequest()
{
    if (!m_progress || !m_progress->cancelRequested())
        return false;
    m_progress->clearCancelRequest();
    return true;
}

void WindowAddingFeedback::suspendListPainting(bool suspended)
{
    m_list.setUpdatesEnabled(!suspended);
    m_rows.setBatching(suspended);
}

void WindowAddingFeedback::updateCountLabel()
{
    m_updateCount();
}

void WindowAddingFeedback::refreshPreviewIfOn()
{
    m_preview.refreshPreviewIfOn();
}
