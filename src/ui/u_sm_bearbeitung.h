#pragma once
// The progress dialog of long collecting steps. Shown without blocking; the step sets its
// labels and bar and polls the cancel request between files.
#include "ui/u_small_dialog.h"

class QProgressBar;

class Tsm_bearbeitung : public SmallDialog {
    Q_OBJECT
public:
    explicit Tsm_bearbeitung(ProgramState &state, QWidget *mainWindow = nullptr, QWidget *parent = nullptr);

    // Set by "Abbrechen" (and by Escape or closing the window); the step clears it.
    bool cancelRequested() const { return m_cancelRequested; }
    void clearCancelRequest() { m_cancelRequested = false; }

    // Captions in the current language.
    void Sprache();

    QLabel *const Label1;
    QLabel *const Label2;
    QLabel *const Label3;
    QProgressBar *const Progress;
    QPushButton *const Abbrechen;
    QPushButton *const OK; // kept for its name; never shown

public Q_SLOTS:
    // Requests the cancel instead of closing: the step hides the dialog when it stops.
    void reject() override;

private:
    bool m_cancelRequested = false;
};
