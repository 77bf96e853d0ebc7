// What the window system shows of a window: its caption and its class as X11
// properties. Empty where the tests do not run on X11.
#pragma once

#include <QtGui/qguiapplication_platform.h>
#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace zef::test {

inline xcb_connection_t* TestX11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

inline QByteArray WindowProperty(const QWidget& window, const char* name, xcb_atom_t type)
{
    xcb_connection_t* connection = TestX11Connection();
    if (!connection) {
        return {};
    }
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::uint16_t(qstrlen(name)), name), nullptr);
    if (!atom) {
        return {};
    }
    QByteArray value;
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, atom->atom, type, 0, 1024), nullptr)) {
        value =
            QByteArray(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
        std::free(reply);
    }
    std::free(atom);
    return value;
}

// The caption as the window manager shows it (_NET_WM_NAME).
inline QString ShownCaption(const QWidget& window)
{
    xcb_connection_t* connection = TestX11Connection();
    if (!connection) {
        return {};
    }
    xcb_intern_atom_reply_t* utf8 =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, 11, "UTF8_STRING"), nullptr);
    const xcb_atom_t type = utf8 ? utf8->atom : xcb_atom_t(XCB_ATOM_STRING);
    std::free(utf8);
    return QString::fromUtf8(WindowProperty(window, "_NET_WM_NAME", type));
}

// The class half of WM_CLASS, which desktop entries and task bars match.
inline QString WindowClass(const QWidget& window)
{
    const QList<QByteArray> parts = WindowProperty(window, "WM_CLASS", XCB_ATOM_STRING).split('\0');
    return parts.size() >= 2 ? QString::fromLocal8Bit(parts.at(1)) : QString();
}

}  // namespace zef::test
