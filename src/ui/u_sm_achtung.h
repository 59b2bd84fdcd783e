#pragma once
// The overwrite confirmation: asks before a saved table replaces an existing file.
#include "ui/u_small_dialog.h"

class Tsm_achtung : public SmallDialog {
    Q_OBJECT
public:
    explicit Tsm_achtung(ProgramState &state, QWidget *mainWindow = nullptr, QWidget *parent = nullptr);

    // Puts the file in the third line, shortened to the label's width, without quotes.
    void setFilePath(const QString &path);

    // True after "Ja", false after "Nein" or "Abbrechen"; stays as last set until the next
    // button press (closing the window otherwise leaves it as it was).
    bool overwriteDecision() const { return m_overwrite; }

    // Fixed texts and captions in the current language.
    void applyLanguage();

    QLabel *const Label1;
    QLabel *const Label2;
    QLabel *const Label3;
    QLabel *const Label4;
    QLabel *const Label5;
    QPushButton *const OK;
    QPushButton *const Nein;
    QPushButton *const Abbrechen;

private:
    QLabel *blankLineAndLabel(const QString &name);
    void decide(bool overwrite);

    bool m_overwrite = false;
};
