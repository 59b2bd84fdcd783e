#include "x_screen.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> owned(Reply *reply)
{
    return Owned<Reply>(reply, &std::free);
}

const char *kindAtomName(XScreen::Kind kind)
{
    switch (kind) {
    case XScreen::Kind::Dialog:
        return "_NET_WM_WINDOW_TYPE_DIALOG";
    case XScreen::Kind::Splash:
        return "_NET_WM_WINDOW_TYPE_SPLASH";
    case XScreen::Kind::Normal:
    case XScreen::Kind::Menu:
        break;
    }
    return "_NET_WM_WINDOW_TYPE_NORMAL";
}

} // namespace

XScreen::XScreen()
{
    // -displayfd picks a free display and writes its number to standard output.
    m_server.start(QStringLiteral(XVFB_PATH),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x900x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
    QByteArray number;
    while (!number.endsWith('\n') && m_server.waitForReadyRead(30000))
        number += m_server.readAllStandardOutput();
    if (number.trimmed().isEmpty())
        return;
    m_display = u':' + QString::fromLatin1(number.trimmed());
    m_connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        return;
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

XScreen::~XScreen()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_server.terminate();
    m_server.waitForFinished(30000);
}

xcb_atom_t XScreen::atom(const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, quint16(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QList<xcb_atom_t> XScreen::atoms(xcb_window_t window, xcb_atom_t property)
{
    const auto reply = owned(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, XCB_ATOM_ANY, 0, 64), nullptr));
    QList<xcb_atom_t> values;
    if (!reply || reply->format != 32)
        return values;
    const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    for (int i = 0; i < xcb_get_property_value_length(reply.get()) / 4; ++i)
        values.append(data[i]);
    return values;
}

QList<xcb_window_t> XScreen::shownWindows(qint64 pid, Kind kind)
{
    QList<xcb_window_t> found;
    const auto tree =
        owned(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    if (!tree)
        return found;
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    const xcb_atom_t typeAtom = atom("_NET_WM_WINDOW_TYPE");
    const xcb_atom_t wanted = atom(kindAtomName(kind));
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t window = children[i];
        const auto attributes = owned(xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
            atoms(window, pidAtom).value(0) != quint32(pid))
            continue;
        // Menus bypass the window manager; their type is not always set. For the others the
        // first type is the one meant, the rest are fallbacks for older window managers.
        if (kind == Kind::Menu ? attributes->override_redirect
                               : !attributes->override_redirect && atoms(window, typeAtom).value(0) == wanted)
            found.append(window);
    }
    return found;
}

QRect XScreen::geometry(xcb_window_t window)
{
    const auto reply =
        owned(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    return reply ? QRect(reply->x, reply->y, reply->width, reply->height) : QRect();
}

QString XScreen::title(xcb_window_t window)
{
    const auto reply = owned(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, atom("_NET_WM_NAME"), XCB_ATOM_ANY, 0, 256),
        nullptr));
    if (!reply)
        return {};
    return QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(reply.get())),
                             xcb_get_property_value_length(reply.get()));
}

void XScreen::send(xcb_window_t window, const void *event)
{
    // No event mask: the event goes to the client that made the window.
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, static_cast<const char *>(event));
    xcb_flush(m_connection);
}

void XScreen::close(xcb_window_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    send(window, &event);
}

void XScreen::click(xcb_window_t window, QPoint point)
{
    const QPoint onScreen = geometry(window).topLeft() + point;
    for (const quint8 type : {quint8(XCB_BUTTON_PRESS), quint8(XCB_BUTTON_RELEASE)}) {
        xcb_button_press_event_t event{};
        event.response_type = type;
        event.detail = 1;
        event.root = m_root;
        event.event = window;
        event.root_x = qint16(onScreen.x());
        event.root_y = qint16(onScreen.y());
        event.event_x = qint16(point.x());
        event.event_y = qint16(point.y());
        event.state = type == XCB_BUTTON_RELEASE ? XCB_BUTTON_MASK_1 : 0;
        event.same_screen = 1;
        send(window, &event);
    }
}

quint8 XScreen::keycode(quint32 keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto reply = owned(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, quint8(count)), nullptr));
    if (!reply)
        return 0;
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(reply.get());
    for (int i = 0; i < xcb_get_keyboard_mapping_keysyms_length(reply.get()); ++i)
        if (symbols[i] == keysym)
            return quint8(setup->min_keycode + i / reply->keysyms_per_keycode);
    return 0;
}

void XScreen::pressKey(xcb_window_t window, quint32 keysym)
{
    for (const quint8 type : {quint8(XCB_KEY_PRESS), quint8(XCB_KEY_RELEASE)}) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = keycode(keysym);
        event.root = m_root;
        event.event = window;
        event.same_screen = 1;
        send(window, &event);
    }
}
