#pragma once
// The progress dialog of long collecting steps. Shown without blocking; the step hands it
// its texts and bar position and polls the cancel request between files.
#include "collect/adding_feedback.h"
#include "ui/u_small_dialog.h"

class QProgressBar;

class Tsm_bearbeitung : public SmallDialog {
    Q_OBJECT
    // Only setProgress writes them. Declared first, so they are made before the buttons.
    QLabel *const Label1;
    QLabel *const Label2;
    QLabel *const Label3;
    QProgressBar *const Progress;

public:
    explicit Tsm_bearbeitung(ProgramState &state, QWidget *mainWindow = nullptr, QWidget *parent = nullptr);

    // The title, the two lines below it and the bar.
    void setProgress(const ProgressText &progress);

    // Set by "Abbrechen" (and by Escape or closing the window); the step clears it.
    bool cancelRequested() const { return m_cancelRequested; }
    void clearCancelRequest() { m_cancelRequested = false; }

    // Captions in the current language.
    void applyLanguage();

    QPushButton *const Abbrechen;
    QPushButton *const OK; // kept for its name; never shown

public Q_SLOTS:
    // Requests the cancel instead of closing: the step hides the dialog when it stops.
    void reject() override;

private:
    bool m_cancelRequested = false;
};
