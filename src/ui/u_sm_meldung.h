#pragma once
// The message dialog: shows one message of the catalogue modally.
#include "ui/u_small_dialog.h"

class Tsm_meldung : public SmallDialog {
    Q_OBJECT
public:
    explicit Tsm_meldung(ProgramState &state, QWidget *mainWindow = nullptr, QWidget *parent = nullptr);

    // Shows the message of key, with path as its third line where the key has a path line,
    // and returns when the dialog is closed. An unknown key shows the previous texts.
    void showMessage(const QString &key, const QString &path);

    // The texts and buttons showMessage shows, without showing the dialog.
    void setMessage(const QString &key, const QString &path);

    // Captions of the buttons in the current language.
    void applyLanguage();

    QLabel *const Label1;
    QLabel *const Label2;
    QLabel *const Label3;
    QLabel *const Label4;
    QPushButton *const OK;
    QPushButton *const OKalle;
};
