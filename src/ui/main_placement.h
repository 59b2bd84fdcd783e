#pragma once
// The main window's placement going into the settings and coming out of them: position, client
// size, the maximised state and the sizes of both splitters. A configuration loaded at start-up
// maximises the window only at its next activation.
#include "app/startup_sequence.h"

#include <QObject>
#include <functional>

struct MainWindowPlacement;
class QMainWindow;
class QSplitter;
class Settings;

class MainPlacement : public QObject {
    Q_OBJECT
public:
    MainPlacement(QMainWindow &window, Settings &settings, QSplitter &columns, QSplitter &inputAndPreview);

    // The window's placement into the settings; a window never shown keeps the settings' one.
    void capture();
    // Placements that `load` brings count as coming from `origin`; from the user otherwise.
    void whileLoading(LoadOrigin origin, const std::function<void()> &load);
    // The client area at this size, the menu bar above it.
    void resizeClient(int width, int height);
    // The window shows for the first time: from now on it has a placement of its own.
    void firstShown() { m_shown = true; }
    // A screen smaller than the window asks for maximising at the next activation.
    void maximizeIfScreenIsSmaller();
    // The window became active; it maximises now if a start-up asked for it.
    void activated();
    bool maximizeOnActivate() const { return m_maximizeOnActivate; }
    void setMaximizeOnActivate(bool on) { m_maximizeOnActivate = on; }

private:
    // The settings' placement onto the window.
    void apply();
    void applySplitterSizes(const MainWindowPlacement &placement);

    QMainWindow &m_window;
    Settings &m_settings;
    QSplitter &m_columns;
    QSplitter &m_inputAndPreview;
    bool m_shown = false;
    bool m_maximizeOnActivate = false;
    // Capturing writes the placement into the settings, which must not move the window.
    bool m_capturingPlacement = false;
    LoadOrigin m_loadOrigin = LoadOrigin::User;
};
