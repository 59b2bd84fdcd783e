#pragma once
// The one way out of the program. Every request to end runs the automatic saving the user
// chose. A request the user made at the window keeps the program running when that save fails,
// so that the user can mend the cause or choose not to save and ask again; a request of the
// desktop or of the system ends the program anyway. The decision is made once: after it, any
// further request ends without saving again.
#include <QObject>
#include <QString>
#include <functional>

class HandOverServer;

enum class ExitRequest {
    Menu,         // "Beenden"
    WindowClosed, // the main window or the start window closed
    Logout,       // the desktop's session ends
    Signal,       // SIGTERM or SIGHUP
};

// Whether the user is at the window to see a failed save and choose again.
bool isInteractive(ExitRequest request);

class ProgramExit : public QObject {
    Q_OBJECT
public:
    // `save` runs the automatic saving and throws TabulixError when it fails; `showError` shows
    // such an error to the user who asked to end.
    ProgramExit(HandOverServer &handOver, std::function<void()> save,
                std::function<void(const QString &)> showError, QObject *parent = nullptr);

    // Whether the program ends. A failed save of a request that is not interactive goes to
    // standard error and ends the program with exit code 1.
    bool endProgram(ExitRequest request);
    bool isEnding() const { return m_ending; }

Q_SIGNALS:
    // Emitted once, after the hand-over server stopped listening: the windows go, then the
    // event loop with this code.
    void ending(int exitCode);

private:
    void end(int exitCode);

    HandOverServer &m_handOver;
    std::function<void()> m_save;
    std::function<void(const QString &)> m_showError;
    bool m_ending = false;
    bool m_showingError = false;
};
