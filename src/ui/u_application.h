#pragma once
// The application object of the desktop program. An exception that no operation catches ends
// that operation and shows the general error box; the program then waits for the next action.
#include <QApplication>
#include <functional>

class TabulixApplication : public QApplication {
    Q_OBJECT
public:
    TabulixApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// The general error box: the application title, the error icon, one OK button and the
// message as errorBoxText gives it. Returns when the user closes it.
void showErrorBox(const QString &message);

// Runs the operation; a TabulixError it throws goes to the error box instead. Returns whether
// the operation finished.
bool runOrShowError(const std::function<void()> &operation);
