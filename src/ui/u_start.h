#pragma once
// The start window: the splash of the interface language and the timer that brings up the
// main window. Closing it closes the main window, which ends the program.
#include <QWidget>

struct ProgramState;
class QLabel;
class QTimer;

class Tstart : public QWidget {
    Q_OBJECT
public:
    explicit Tstart(ProgramState &state, QWidget *parent = nullptr);

    // The window the timer and a click on the splash bring up.
    void setMainWindow(QWidget *mainWindow) { m_mainWindow = mainWindow; }
    // Shows the splash of the current language and sets the application title.
    void applyLanguage();
    int tickCount() const { return m_ticks; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Timer1Timer();
    void splashClick();
    void showMainWindow();

    ProgramState &m_state;
    QWidget *m_mainWindow = nullptr;
    QLabel *Image1;
    QLabel *en1;
    QLabel *spr;
    QTimer *Timer1;
    int m_ticks = 0;
};
