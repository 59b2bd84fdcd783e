#include "collect/adding_feedback.h"

void AddingFeedback::showMessage(const QString &, const QString &) {}
void AddingFeedback::reportUnreadable(const QString &, int) {}
void AddingFeedback::showProgress(const ProgressText &) {}
void AddingFeedback::hideProgress() {}
void AddingFeedback::handlePendingEvents() {}
bool AddingFeedback::takeCancelRequest()
{
    return false;
}
void AddingFeedback::suspendListPainting(bool) {}
void AddingFeedback::updateCountLabel() {}
void AddingFeedback::refreshPreviewIfOn() {}
