#pragma once
// What adding files shows in the desktop program: the progress dialog with its cancel button,
// the message dialog, the main window waiting meanwhile, and the list, count and preview
// brought up to date afterwards.
#include "collect/adding_feedback.h"

#include <functional>

class FileList;
class PreviewPane;
class QWidget;
class Qulist;
class Tsm_bearbeitung;
class Tsm_meldung;

class WindowAddingFeedback : public AddingFeedback {
public:
    // updateCount shows the number of rows in the main window.
    WindowAddingFeedback(QWidget &mainWindow, Qulist &list, FileList &rows, PreviewPane &preview,
                         std::function<void()> updateCount);

    // Until the dialogs are handed over, messages and progress stay unseen.
    void useDialogs(Tsm_bearbeitung &progress, Tsm_meldung &message);

    void showMessage(const QString &key, const QString &path) override;
    void showProgress(const ProgressText &text) override;
    void hideProgress() override;
    void handlePendingEvents() override;
    bool takeCancelRequest() override;
    void suspendListPainting(bool suspended) override;
    void updateCountLabel() override;
    void refreshPreviewIfOn() override;

private:
    QWidget &m_mainWindow;
    Qulist &m_list;
    FileList &m_rows;
    PreviewPane &m_preview;
    std::function<void()> m_updateCount;
    Tsm_bearbeitung *m_progress = nullptr;
    Tsm_meldung *m_message = nullptr;
};
