#pragma once
// A virtual X screen of its own for one test, and the few requests a test sends to a program's
// windows as a window manager, a mouse or a keyboard would. There is no window manager: every
// window of the program is a child of the root window.
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QtGlobal>

#include <xcb/xcb.h>

class XScreen {
public:
    // What a program's window is to a window manager: its _NET_WM_WINDOW_TYPE, or a menu, which
    // bypasses the window manager.
    enum class Kind { Normal, Dialog, Splash, Menu };

    XScreen();
    ~XScreen();
    XScreen(const XScreen &) = delete;
    XScreen &operator=(const XScreen &) = delete;

    bool isConnected() const { return m_connection != nullptr; }
    // The value of DISPLAY for programs on this screen.
    QString display() const { return m_display; }

    // The windows of the process with that id and that kind that are on the screen now.
    QList<xcb_window_t> shownWindows(qint64 pid, Kind kind);
    QRect geometry(xcb_window_t window);
    QString title(xcb_window_t window);

    // The window manager's close request: WM_DELETE_WINDOW.
    void close(xcb_window_t window);
    // A click of the first mouse button at a point of the window.
    void click(xcb_window_t window, QPoint point);
    // A key pressed and released, with the keyboard focus in the window.
    void pressKey(xcb_window_t window, quint32 keysym);

private:
    xcb_atom_t atom(const char *name);
    QList<xcb_atom_t> atoms(xcb_window_t window, xcb_atom_t property);
    quint8 keycode(quint32 keysym);
    void send(xcb_window_t window, const void *event);

    QProcess m_server;
    QString m_display;
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
};

// The key symbols the tests press.
namespace Keysym {
inline constexpr quint32 Return = 0xff0d;
inline constexpr quint32 Up = 0xff52;
} // namespace Keysym
