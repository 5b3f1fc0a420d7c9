#include "desktopwindows.h"

#if HOROLUX_LINUX_DESKTOP
#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>
#endif

namespace platform {

#if HOROLUX_LINUX_DESKTOP

namespace {

// An xcb reply, freed with free() as xcb asks.
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> take(T* reply) {
    return Reply<T>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const auto reply = take(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A property of 32-bit values, or nothing.
std::vector<std::uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window,
                                     xcb_atom_t property, xcb_atom_t type) {
    const auto reply = take(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 4096), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The window manager's list of client windows; without a window manager the
// root window's children are the top-level windows.
std::vector<xcb_window_t> topLevelWindows(xcb_connection_t* connection, xcb_window_t root) {
    std::vector<xcb_window_t> clients =
        cardinals(connection, root, atom(connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    if (!clients.empty()) {
        return clients;
    }
    const auto tree =
        take(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

} // namespace

QList<QRect> otherProcessesWindows(const QString& windowClass) {
    const auto* x11 =
        qApp == nullptr ? nullptr : qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 == nullptr ? nullptr : x11->connection();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (connection == nullptr || screen == nullptr) {
        return {};
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");
    const xcb_atom_t extentsAtom = atom(connection, "_NET_FRAME_EXTENTS");
    const auto ownPid = static_cast<std::uint32_t>(getpid());
    const qreal ratio = screen->devicePixelRatio();

    // Every request is sent before its reply is awaited: one round trip for
    // all the windows' process ids and classes, one for the matching
    // windows' places, however many windows there are.
    const std::vector<xcb_window_t> windows = topLevelWindows(connection, root);
    std::vector<xcb_get_property_cookie_t> pids;
    std::vector<xcb_get_property_cookie_t> classes;
    for (const xcb_window_t window : windows) {
        pids.push_back(xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1));
        classes.push_back(
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256));
    }
    struct Asked {
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_geometry_cookie_t geometry;
        xcb_translate_coordinates_cookie_t origin;
        xcb_get_property_cookie_t extents;
    };
    std::vector<Asked> asked;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const auto pid = take(xcb_get_property_reply(connection, pids[i], nullptr));
        const auto names = take(xcb_get_property_reply(connection, classes[i], nullptr));
        const bool own =
            pid && pid->format == 32 && xcb_get_property_value_length(pid.get()) >= 4 &&
            *static_cast<const std::uint32_t*>(xcb_get_property_value(pid.get())) == ownPid;
        // WM_CLASS holds the instance name and the class name, each ending in a NUL.
        const QString windowClassName =
            names && names->format == 8
                ? QString::fromLatin1(
                      QByteArray(static_cast<const char*>(xcb_get_property_value(names.get())),
                                 xcb_get_property_value_length(names.get()))
                          .split('\0')
                          .value(1))
                : QString();
        if (own || windowClassName != windowClass) {
            continue;
        }
        const xcb_window_t window = windows[i];
        asked.push_back(
            {xcb_get_window_attributes(connection, window), xcb_get_geometry(connection, window),
             xcb_translate_coordinates(connection, window, root, 0, 0),
             xcb_get_property(connection, 0, window, extentsAtom, XCB_ATOM_CARDINAL, 0, 4)});
    }
    QList<QRect> frames;
    for (const Asked& a : asked) {
        const auto attributes =
            take(xcb_get_window_attributes_reply(connection, a.attributes, nullptr));
        const auto geometry = take(xcb_get_geometry_reply(connection, a.geometry, nullptr));
        const auto origin = take(xcb_translate_coordinates_reply(connection, a.origin, nullptr));
        const auto extentsReply = take(xcb_get_property_reply(connection, a.extents, nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE || !geometry ||
            !origin) {
            continue;
        }
        // The window manager's frame around it: left, right, top, bottom.
        std::vector<std::uint32_t> extents;
        if (extentsReply && extentsReply->format == 32) {
            const auto* values =
                static_cast<const std::uint32_t*>(xcb_get_property_value(extentsReply.get()));
            extents.assign(values, values + xcb_get_property_value_length(extentsReply.get()) / 4);
        }
        extents.resize(4, 0);
        const QRect frame(origin->dst_x - static_cast<int>(extents[0]),
                          origin->dst_y - static_cast<int>(extents[2]),
                          geometry->width + static_cast<int>(extents[0] + extents[1]),
                          geometry->height + static_cast<int>(extents[2] + extents[3]));
        frames.append(QRect(qRound(frame.x() / ratio), qRound(frame.y() / ratio),
                            qRound(frame.width() / ratio), qRound(frame.height() / ratio)));
    }
    return frames;
}

#else

QList<QRect> otherProcessesWindows(const QString& /*windowClass*/) {
    return {};
}

#endif

} // namespace platform
