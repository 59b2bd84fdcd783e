#pragma once
// The shortcuts window: adds and removes the program's entries on the user's desktop and shows
// for four kinds whether they are in place. It exists for the whole run and never blocks the
// main window.
#include "shell/desktop_integration.h"

#include <QDialog>

struct ProgramState;
class QGroupBox;
class QLabel;
class QLineEdit;

class Teinstshortcuts : public QDialog {
    Q_OBJECT
public:
    Teinstshortcuts(ProgramState &state, ShellIntegration shell, QWidget *parent = nullptr);

    // Every caption and the administrator line in the current language, then the status.
    void applyLanguage();
    // The four status labels as the desktop's files are now.
    void refreshStatusLabels();

    QLabel *const ver_konfig;
    QLabel *const ver_sendenan;
    QLabel *const ver_ordner;
    QLabel *const ver_alledateien;
    QLabel *const administratorLine;
    QLineEdit *const beldateien;
    // What the last button did where no status label tells it, or why it failed.
    QLabel *const resultLine;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *buildKindGroup(const char *groupName, const char *explanationName, ShellKind kind,
                              const char *addName, const char *removeName, QLabel *status);
    QGroupBox *buildFilesGroup();
    QLayout *buildButtons(ShellKind kind, const char *addName, const char *removeName, QLabel *status);
    void change(ShellKind kind, bool add);

    ProgramState &m_state;
    ShellIntegration m_shell;
};
