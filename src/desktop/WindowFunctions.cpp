#include "desktop/WindowFunctions.h"

#include <QGuiApplication>
#include <QWindow>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

namespace
{

// The Motif window manager hints, as every X11 window manager reads them.
constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kFunctionMinimize = 1u << 3;
constexpr std::uint32_t kDecorationBorder = 1u << 1;
constexpr std::uint32_t kDecorationTitle = 1u << 3;
constexpr std::uint32_t kDecorationMenu = 1u << 4;

xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name, std::size_t length)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(length), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

namespace WindowFunctions
{

void allowMoveAndMinimize(QWindow *window)
{
    if (!qGuiApp || !window)
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // Asked for once: both windows are made on one connection.
    static const char kName[] = "_MOTIF_WM_HINTS";
    static xcb_connection_t *askedOn = nullptr;
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (askedOn != connection) {
        askedOn = connection;
        atom = atomNamed(connection, kName, sizeof(kName) - 1);
    }
    if (atom == XCB_ATOM_NONE)
        return;
    // flags, functions, decorations, input mode, status
    const std::array<std::uint32_t, 5> hints = {
        kHintsFunctions | kHintsDecorations, kFunctionMove | kFunctionMinimize,
        kDecorationBorder | kDecorationTitle | kDecorationMenu, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom,
                        atom, 32, std::uint32_t(hints.size()), hints.data());
    xcb_flush(connection);
}

} // namespace WindowFunctions
