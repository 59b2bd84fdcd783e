#pragma once
// What adding files shows on its way: messages, the progress dialog, the count and the
// refreshed output. The desktop program shows them in its windows; the command-line
// program and the tests keep the quiet defaults or record what they need.
#include <QString>

struct ProgressText {
    QString title; // the dialog's first line
    QString line2;
    QString line3;
    int value = 0;
    int maximum = 0;
};

class AddingFeedback {
public:
    virtual ~AddingFeedback() = default;

    // A message of the catalogue with a path; returns when the user has closed it.
    virtual void showMessage(const QString &key, const QString &path);
    // A path to add that could not be read: it names nothing, a folder of a walk cannot be
    // listed or a file found there cannot be reached; error is the errno value. The window
    // passes over it as it always did.
    virtual void reportUnreadable(const QString &path, int error);
    // Shows the progress dialog with these texts (disabling the main window while it shows).
    virtual void showProgress(const ProgressText &text);
    // Hides the progress dialog and gives the main window back its input.
    virtual void hideProgress();
    // Lets pending window events run, so the dialog repaints and its button works.
    virtual void handlePendingEvents();
    // Reads and clears the cancel request of the progress dialog.
    virtual bool takeCancelRequest();
    virtual void suspendListPainting(bool suspended);
    virtual void updateCountLabel();
    virtual void refreshPreviewIfOn();
};
